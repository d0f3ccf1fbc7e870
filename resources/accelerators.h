// Accelerators: commands reached by the desktop's standard keys, and keys of our own for
// the commands that no menu carries. Home, Backspace and Ctrl+Z belong to the drawing view.
#pragma once

#include <span>

namespace tmb {

enum class StandardKey { kNone, kOpen, kSave, kSaveAs, kPrint, kQuit, kHelp };

struct Accelerator {
  int id;
  StandardKey key;
  // With kNone: the key in portable text ("Shift+F5").
  const char* keys = nullptr;
};

std::span<const Accelerator> MainAccelerators();
// The image editor's own keys (undo, cut, copy, paste), live while its windows have the
// focus.
std::span<const Accelerator> EditorAccelerators();

}  // namespace tmb
