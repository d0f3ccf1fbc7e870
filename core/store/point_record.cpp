#include "core/store/point_record.h"

#include <algorithm>
#include <vector>

#include "core/file/bytes_left.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "platform/file/byte_writer.h"
#include "platform/file/little_endian.h"

namespace {

// Flags are counted in chunks of this size while a record is stepped over.
constexpr int64_t kChunk = 65536;

// Reads the count and checks that the record lies within the file.
int ReadCount(tmb::BinaryFile& file) {
  int32_t n = 0;
  if (!file.ReadI32(n) || n < 0) return -1;
  if (BytesLeft(file) < PointRecordSize(n) - 4) return -1;
  return n;
}

// Counts the flag-1 bytes among the next n bytes of the file.
bool CountStartsIn(tmb::BinaryFile& file, int64_t n, int& starts) {
  std::vector<uint8_t> chunk;
  while (n > 0) {
    int64_t take = std::min(n, kChunk);
    chunk.resize(static_cast<size_t>(take));
    if (!file.Read(chunk.data(), chunk.size())) return false;
    starts += static_cast<int>(std::count(chunk.begin(), chunk.end(), uint8_t{1}));
    n -= take;
  }
  return true;
}

}  // namespace

int CountStrokeStarts(const CStrokePath& path) {
  int starts = 0;
  for (int i = 0; i < path.m_nCount; ++i) {
    if (path.m_pFlags[i] == CStrokePath::kFlagStart) ++starts;
  }
  return starts;
}

bool WritePointRecord(tmb::BinaryFile& file, const CStrokePath& path) {
  const int n = path.m_nCount;
  tmb::ByteWriter w;
  w.I32(n);
  for (int i = 0; i < n; ++i) {
    tmb::Point p = path.m_pPoints[i].RoundToPoint();
    w.I32(p.x).I32(p.y);
  }
  if (n > 0) w.Bytes(path.m_pFlags, static_cast<size_t>(n));
  return file.Write(w.bytes().data(), w.size());
}

int ReadRecord(tmb::BinaryFile& file, CStrokePath& path, int* storedStarts) {
  path.SetCount(0);
  const int n = ReadCount(file);
  if (n < 0) return -1;
  const int kept = std::min(n, path.GetCapacity());

  std::vector<uint8_t> points(static_cast<size_t>(kept) * 8);
  if (!file.Read(points.data(), points.size())) return -1;
  if (!file.Seek(static_cast<int64_t>(n - kept) * 8, SEEK_CUR)) return -1;
  if (kept > 0 && !file.Read(path.m_pFlags, static_cast<size_t>(kept))) return -1;
  int starts = static_cast<int>(std::count(path.m_pFlags, path.m_pFlags + kept, uint8_t{1}));
  if (!CountStartsIn(file, n - kept, starts)) return -1;

  for (int i = 0; i < kept; ++i) {
    const uint8_t* p = &points[static_cast<size_t>(i) * 8];
    path.m_pPoints[i] = CFPoint(static_cast<float>(static_cast<int32_t>(tmb::LoadU32(p))),
                                static_cast<float>(static_cast<int32_t>(tmb::LoadU32(p + 4))));
    path.m_pAttrs[i] = CStrokePath::kAttrDefault;
  }
  path.SetCount(kept);
  if (storedStarts) *storedStarts = starts;
  return n;
}

int SkipPointRecord(tmb::BinaryFile& file, int* storedStarts) {
  const int n = ReadCount(file);
  if (n < 0) return -1;
  if (!file.Seek(static_cast<int64_t>(n) * 8, SEEK_CUR)) return -1;
  int starts = 0;
  if (!CountStartsIn(file, n, starts)) return -1;
  if (storedStarts) *storedStarts = starts;
  return n;
}

bool WriteStrokeBytes(tmb::BinaryFile& file, const CStrokePath& path) {
  const int starts = CountStrokeStarts(path);
  std::vector<uint8_t> bytes(static_cast<size_t>(starts), 0);
  for (int k = 0; k < starts && path.m_pStrokeMarks; ++k) {
    bytes[static_cast<size_t>(k)] = static_cast<uint8_t>(path.m_pStrokeMarks->GetMark(k));
  }
  return file.Write(bytes.data(), bytes.size());
}

bool ReadStrokeBytes(tmb::BinaryFile& file, CStrokePath& path, int storedStarts) {
  if (storedStarts < 0 || BytesLeft(file) < storedStarts) return false;
  const int starts = std::min(CountStrokeStarts(path), storedStarts);
  if (!path.EnsureAuxBuffer(starts)) return false;
  CStrokeMarks& marks = *path.m_pStrokeMarks;
  if (starts > 0 && !file.Read(marks.m_pBytes, static_cast<size_t>(starts))) return false;
  marks.m_nUsed = starts;
  return file.Seek(storedStarts - starts, SEEK_CUR);
}
