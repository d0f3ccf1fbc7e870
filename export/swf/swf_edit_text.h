// The editable text tag of the SWF writer (DefineEditText).
#pragma once

#include <string>

#include "export/swf/swf_tag.h"
#include "export/swf/swf_value_records.h"

struct SwfEditTextFields {
  SwfRect bounds;
  bool hasText = false;
  bool wordWrap = false;
  bool multiline = false;
  bool password = false;
  bool readOnly = false;
  bool hasTextColor = false;
  bool hasMaxLength = false;
  bool hasFont = false;
  bool hasLayout = false;
  bool noSelect = false;
  bool border = false;
  bool useOutlines = false;
  int fontId = 0;
  int fontHeight = 0;
  SwfColour textColor;  // written as RGBA
  int maxLength = 0;
  int align = 0;  // 0 left, 1 right, 2 centre, 3 justify
  int leftMargin = 0;
  int rightMargin = 0;
  int indent = 0;
  int leading = 0;
  std::string variableName;
  std::string initialText;
};

class SwfTagDefineEditText : public SwfCharacterTag {
 public:
  explicit SwfTagDefineEditText(SwfEditTextFields fields) : m_fields(std::move(fields)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 37; }

 private:
  SwfEditTextFields m_fields;
};
