// The shell's answers to what the character file reader asks of it.
#pragma once

#include "core/file/char_file_services.h"

class CCharFileAnswers final : public CharFileDialogs {
 public:
  // The version of the style definitions read at start-up.
  std::optional<int> StyleSelection() override;
};
