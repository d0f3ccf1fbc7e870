#include "support/char_file_fixture.h"

#include <ostream>

#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/file/char_block_convert.h"
#include "core/file/char_file_services.h"
#include "core/file/file_select.h"
#include "platform/file/binary_file.h"
#include "support/file_bytes.h"

namespace tmb::test {

void CharFileTest::SetUp() {
  CharGlobalsTest::SetUp();
  gWorkCanvas.Reset();
  gFileSelect.Reset();
  gOldBrushLayout = 0;
  SetCharFileDialogs(nullptr);
  SetTmbDocWindows(nullptr);
  store.emplace();
}

void CharFileTest::TearDown() {
  store.reset();
  SetTmbDocWindows(nullptr);
  SetCharFileDialogs(nullptr);
  gFileSelect.Reset();
  gWorkCanvas.Reset();
  CharGlobalsTest::TearDown();
}

std::filesystem::path CharFileTest::WriteBytes(const char* name, const std::vector<uint8_t>& bytes) {
  std::filesystem::path path = dir / name;
  WriteFileBytes(path, bytes);
  return path;
}

int CharFileTest::ReadFile(CCharDataFull& record, const std::filesystem::path& path, int mode, int anchor,
                           int part) {
  BinaryFile file;
  if (!file.Open(path, BinaryFile::Mode::kRead)) return -2;
  return record.ReadBlock(file, mode, anchor, part, part);
}

void SetPoints(CCharData& record, const std::vector<WdfPoint>& points) {
  record.ClearPoints();
  for (size_t i = 0; i < points.size(); ++i) {
    record.m_pPoints[i] = {points[i].x, points[i].y};
    record.m_pFlags[i] = static_cast<uint8_t>(points[i].flag);
    record.m_pPressure[i] = points[i].pressure;
  }
  record.m_nPoints = static_cast<int>(points.size());
}

std::vector<WdfPoint> RecordPoints(const CCharData& record) {
  std::vector<WdfPoint> out;
  for (int i = 0; i < record.m_nPoints; ++i) {
    out.push_back({record.m_pPoints[i].x, record.m_pPoints[i].y, record.m_pFlags[i], record.m_pPressure[i]});
  }
  return out;
}

std::vector<uint8_t> BmpBytes() { return {'B', 'M', 0x36, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3}; }
std::vector<uint8_t> PngBytes() { return {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I'}; }
std::vector<uint8_t> JpegBytes() { return {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F'}; }
std::vector<uint8_t> GifBytes() { return {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}; }

bool operator==(const WdfPoint& a, const WdfPoint& b) {
  return a.x == b.x && a.y == b.y && a.flag == b.flag && a.pressure == b.pressure;
}

void PrintTo(const WdfPoint& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << " f" << p.flag << " p" << p.pressure << ")";
}

}  // namespace tmb::test
