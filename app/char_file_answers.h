// The shell's answers to the questions of the character file reader, installed at
// start-up.
#pragma once

#include "core/file/char_file_services.h"

class CCharFileAnswers final : public CharFileDialogs {
 public:
  // Template 148: OK converts with the file's settings, "設定" erases the points first,
  // Cancel reads nothing.
  int AskSettingFile() override;
  // The version of the style definitions read at start-up.
  std::optional<int> StyleSelection() override;
};

extern CCharFileAnswers gCharFileAnswers;
