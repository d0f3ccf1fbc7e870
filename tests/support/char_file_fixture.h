// A fixture for tests of character data files and the character document: fresh
// drawing state, slots, paper (500 x 750), file-choice settings and dialogs, a store
// folder of its own, a temporary folder for files and recorded messages.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/record/char_data_full.h"
#include "support/char_globals.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"
#include "support/wdf_builder.h"

namespace tmb::test {

class CharFileTest : public CharGlobalsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes bytes as file name in the temporary folder and returns its path.
  std::filesystem::path WriteBytes(const char* name, const std::vector<uint8_t>& bytes);
  // Reads one block of the file at path into record (part 1 unless told otherwise), as
  // the record of the window whose store set has the part's number.
  int ReadFile(CCharDataFull& record, const std::filesystem::path& path, int mode = 0, int anchor = 0,
               int part = 1);

  TempDir dir;
  std::optional<ScopedStoreFolder> store;
};

// A few points: (x, y, flag, pressure) into record.
void SetPoints(CCharData& record, const std::vector<WdfPoint>& points);
std::vector<WdfPoint> RecordPoints(const CCharData& record);

// Small pictures by their signatures (not complete pictures: the file only carries bytes).
std::vector<uint8_t> BmpBytes();
std::vector<uint8_t> PngBytes();
std::vector<uint8_t> JpegBytes();
std::vector<uint8_t> GifBytes();

bool operator==(const WdfPoint& a, const WdfPoint& b);
void PrintTo(const WdfPoint& p, std::ostream* os);

}  // namespace tmb::test
