#include "resources/accelerators.h"

#include "resources/command_ids.h"

namespace tmb {
namespace {

constexpr Accelerator kMain[] = {
    {kCmdFileOpen, StandardKey::kOpen},   {kCmdFileSave, StandardKey::kSave},
    {kCmdFileSaveAs, StandardKey::kSaveAs}, {kCmdEditUndo, StandardKey::kUndo},
    {kCmdFilePrint, StandardKey::kPrint}, {kCmdFileExit, StandardKey::kQuit},
    {kCmdHelp, StandardKey::kHelp},
};

}  // namespace

std::span<const Accelerator> MainAccelerators() { return kMain; }

}  // namespace tmb
