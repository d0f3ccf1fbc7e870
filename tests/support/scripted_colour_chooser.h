// A colour chooser for tests: each question takes the next scripted colour, or is
// cancelled when none is left; the colours it was opened on are recorded.
#pragma once

#include <deque>
#include <vector>

#include "platform/service/colour_chooser.h"

namespace tmb::test {

class ScriptedColourChooser final : public ColourChooser {
 public:
  ScriptedColourChooser() { SetColourChooser(this); }
  ~ScriptedColourChooser() override { SetColourChooser(nullptr); }

  void Next(Colour colour) { answers_.push_back(colour); }

  bool ChooseColour(Colour& colour) override {
    offered.push_back(colour);
    if (answers_.empty()) return false;
    colour = answers_.front();
    answers_.pop_front();
    return true;
  }

  std::vector<Colour> offered;

 private:
  std::deque<Colour> answers_;
};

}  // namespace tmb::test
