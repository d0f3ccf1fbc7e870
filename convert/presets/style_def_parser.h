// The tagged text of a style definition file, read into a flat list of elements. Bare
// words of the file become "<data>" elements and numbers "<val>" elements; comments run
// from "//" to the end of the line. Reading stops at the first damage and keeps only the
// elements that were complete before it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct CStyleAttribute {
  std::string name;
  std::string value;
};

struct CStyleElement {
  static constexpr int kMaxAttributes = 4;

  std::string tag;
  std::string text;  // the word or number of a bare token; empty for a tag
  std::array<CStyleAttribute, kMaxAttributes> attributes;
  int nAttributes = 0;
  int first = 0;  // first element of the content
  int last = -1;  // last element of the content; first - 1 when it has none
  int depth = 0;  // the number of elements that enclose it
  int line = 1;   // where it starts in the file

  // The value of attribute name; empty when the element has none.
  std::string_view Attribute(std::string_view name) const;
};

struct CStyleParse {
  static constexpr int kMaxElements = 1000;

  std::vector<CStyleElement> elements;
  int damageLine = 0;  // the line of the first damage; 0 when the text was whole
};

// Reads text (code page 932 bytes). Never reads past its end.
CStyleParse ParseStyleTags(std::string_view text);

// A whole decimal number of 32 bits with an optional leading minus; false for anything else.
bool ParseStyleNumber(std::string_view text, int& value);
