// A font as the drawing code asks for it: a description that is matched to an installed
// face (through fontconfig) when text is first drawn or measured with it.
#pragma once

#include <string>

namespace tmb {

struct Font {
  // Negative: the character height (em size) in pixels; positive: the cell height
  // (ascent plus descent); 0: a default cell height of 16.
  int height = 0;
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = 400;  // 700 and above is bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = 1;
  int pitchAndFamily = 0;
  std::string faceName;  // UTF-8; empty for the default gothic face

  friend bool operator==(const Font&, const Font&) = default;
};

struct TextMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;  // height minus the em size
  int aveCharWidth = 0;
  int maxCharWidth = 0;
};

}  // namespace tmb
