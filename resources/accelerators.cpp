#include "resources/accelerators.h"

#include "resources/command_ids.h"

namespace tmb {
namespace {

constexpr StandardKey kOwn = StandardKey::kNone;

constexpr Accelerator kMain[] = {
    {kCmdFileOpen, StandardKey::kOpen},
    {kCmdFileSave, StandardKey::kSave},
    {kCmdFileSaveAs, StandardKey::kSaveAs},
    {kCmdFilePrint, StandardKey::kPrint},
    {kCmdFileExit, StandardKey::kQuit},
    {kCmdHelp, StandardKey::kHelp},
    {kCmdReopenA, kOwn, "F2"},
    {kCmdRefreshWritingArea, kOwn, "F5"},
    {kCmdRedrawSettingsPanel, kOwn, "Shift+F5"},
    {kCmdRebuildOutline, kOwn, "F6"},
    {kCmdRebuildOutlineKey, kOwn, "Shift+F6"},
    {kCmdReleaseOffscreen, kOwn, "F9"},
};

constexpr Accelerator kEditor[] = {
    {32793, kOwn, "Ctrl+Z"},
    {32775, kOwn, "Ctrl+X"},
    {32787, kOwn, "Ctrl+C"},
    {32777, kOwn, "Ctrl+V"},
};

}  // namespace

std::span<const Accelerator> MainAccelerators() { return kMain; }

std::span<const Accelerator> EditorAccelerators() { return kEditor; }

}  // namespace tmb
