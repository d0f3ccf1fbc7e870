// Command ids that code refers to by name. Menus, the toolbar and accelerators carry the
// same numbers.
#pragma once

namespace tmb {

constexpr int kCmdFileOpen = 32817;
constexpr int kCmdFileSaveAs = 32818;
constexpr int kCmdFileSave = 32819;
constexpr int kCmdFileExit = 32820;
constexpr int kCmdFileOneTouch = 32840;
constexpr int kCmdBasicSettings = 32799;
constexpr int kCmdFilePrint = 32989;
constexpr int kCmdFilePrintPreview = 32988;
constexpr int kCmdEditUndo = 32833;
constexpr int kCmdEditTempSave = 33022;
constexpr int kCmdEditLayout = 33020;   // "排列": the framed parts laid out
constexpr int kCmdEditMoveAll = 32990;  // "全体移动": every point moved
constexpr int kCmdStyleKaisho = 33150;
constexpr int kCmdAppAbout = 57664;
constexpr int kCmdAppExit = 57665;
constexpr int kCmdHelp = 57666;
constexpr int kCmdWindowArrange = 57649;
constexpr int kCmdWindowCascade = 57650;
constexpr int kCmdWindowTile = 57651;

// Status bar panes beside the progress bar: x and y of the image editor's cursor.
constexpr int kPaneCursorX = 59144;
constexpr int kPaneCursorY = 59143;

}  // namespace tmb
