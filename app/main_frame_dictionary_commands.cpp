// The main window's dictionary and file-option commands: the dictionary-file dialog on
// the current drawing window, the export settings of strokes and the file-choice dialog.
#include "app/dialogs/dict_file_dialog.h"
#include "app/dialogs/export_setting_dialog.h"
#include "app/dialogs/file_select_dialog.h"
#include "app/frame_command_helpers.h"
#include "app/main_frame.h"
#include "resources/command_ids.h"

void CMainFrame::RegisterDictionaryCommands() {
  OnCommand(tmb::kCmdDictionary, [] {
    if (CTmbView* view = CommandView()) RunDictionaryDialog(view);
  });
  OnCommand(tmb::kCmdFontDivision, RunExportSettings);
  OnCommand(tmb::kCmdFileOptions, ShowFileOptionsDialog);
}
