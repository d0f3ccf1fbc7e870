// Radio sets whose template numbers its buttons id, id + 1, ... where other controls
// follow at once: the set keeps its id and each further button takes an id of its own,
// above every template's ids, so no control of a dialog shares an id with another.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/binding.h"

namespace tmb::ui {

// Button k (from 1) of the set of id takes id + k * kSecondButton.
constexpr int kSecondButton = 10000;

Binding RadioChoice(int id, int* member, std::vector<std::string> buttons, std::string label = {});

}  // namespace tmb::ui
