#include "core/file/char_file_services.h"

#include "core/file/file_select.h"

FileSelectSettings gFileSelect;

namespace {

CharFileDialogs gDefaultDialogs;
CharFileDialogs* gDialogs = &gDefaultDialogs;

}  // namespace

CharFileDialogs& FileDialogs() { return *gDialogs; }

void SetCharFileDialogs(CharFileDialogs* dialogs) { gDialogs = dialogs ? dialogs : &gDefaultDialogs; }
