#include "core/char_file_services.h"

#include "core/file_select.h"

FileSelectSettings gFileSelect;

namespace {

CharFileDialogs gDefaultDialogs;
CharFileDialogs* gDialogs = &gDefaultDialogs;

}  // namespace

CharFileDialogs& FileDialogs() { return *gDialogs; }

void SetCharFileDialogs(CharFileDialogs* dialogs) { gDialogs = dialogs ? dialogs : &gDefaultDialogs; }
