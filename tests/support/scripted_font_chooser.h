// A font chooser for tests: each question takes the next scripted change of the font it
// was opened on, or is cancelled when none is left; the fonts offered are recorded.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/service/font_chooser.h"

namespace tmb::test {

class ScriptedFontChooser final : public FontChooser {
 public:
  ScriptedFontChooser() { SetFontChooser(this); }
  ~ScriptedFontChooser() override { SetFontChooser(nullptr); }

  void Next(std::function<void(Font&)> change) { answers_.push_back(std::move(change)); }

  bool ChooseFont(Font& font) override {
    offered.push_back(font);
    if (answers_.empty()) return false;
    answers_.front()(font);
    answers_.pop_front();
    return true;
  }

  std::vector<Font> offered;

 private:
  std::deque<std::function<void(Font&)>> answers_;
};

}  // namespace tmb::test
