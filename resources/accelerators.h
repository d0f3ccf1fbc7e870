// Accelerators: commands reached by the desktop's standard keys.
#pragma once

#include <span>

namespace tmb {

enum class StandardKey { kOpen, kSave, kSaveAs, kUndo, kPrint, kQuit, kHelp };

struct Accelerator {
  int id;
  StandardKey key;
};

std::span<const Accelerator> MainAccelerators();

}  // namespace tmb
