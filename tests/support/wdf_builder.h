// Character data file blocks built byte by byte from the layout tables, for every data
// version the reader accepts, independently of the program's own writer.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/geometry.h"

namespace tmb::test {

struct WdfPoint {
  int x = 0, y = 0, flag = 0, pressure = -1;
};

struct WdfPicture {
  int32_t type = -1;
  std::vector<uint8_t> bytes;
};

struct WdfBlock {
  std::string magic = "TAMBERI DATA FILE 2.2";
  int major = 4, minor = 0;
  int r1 = 1, r2 = 28, r3 = 0, r4 = 0;
  int firstPart = 1;
  // Stored point count; -1 takes the number of points (a damaged block says otherwise).
  int storedPoints = -1;
  // Stored stroke count; -1 counts the flags of 1 (before data version 2.00 the number of
  // stroke-start entries).
  int storedStrokes = -1;
  std::vector<WdfPoint> points;
  std::vector<int> strokeStarts;      // before data version 2.00
  std::map<int, int32_t> params;      // parameters the section holds; others 0
  int switch16 = 0;                   // before data version 2.00
  std::array<std::string, 6> texts;   // code page 932; text records from R2 15
  std::vector<uint8_t> fixedText;     // the 256-byte text field (R2 < 15); zero-padded
  tmb::Size paper{500, 750};
  std::string script;                 // code page 932
  WdfPicture picture1, picture2;
  std::optional<std::vector<uint8_t>> oldFont;  // 60 bytes of the old text-font block
  std::string oldFontText;            // its text (R2 > 5)
  std::string sectionText;            // the text of an empty store section (R2 >= 11)
  std::vector<int32_t> valueTable;    // R2 > 13: as many as parameter 50 says
  bool endWord = true;                // the closing u32

  int Version() const { return major * 100 + minor; }
};

// The bytes of one block in the layout its version and revisions select.
std::vector<uint8_t> BuildWdfBlock(const WdfBlock& block);
// Several blocks one after the other, as a file holds them.
std::vector<uint8_t> BuildWdfFile(const std::vector<WdfBlock>& blocks);

}  // namespace tmb::test
