// The file and folder choosers of the running program, over the desktop's file dialogs.
#pragma once

#include <QString>

#include "platform/service/file_chooser.h"

namespace tmb::ui {

// "(*.wdf)|*.wdf|(*.*)|*.*||" as the dialogs want it: "Character data (*.wdf);;All files (*)".
// A label that only repeats its pattern is replaced by what the files are, where known.
QString ConvertFilter(const std::string& filter);

// A saved name typed without an extension takes that of the file type chosen.
class FileChooserDialogs final : public FileChooser {
 public:
  bool OpenFile(const FileChoice& choice, std::string& path) override;
  bool OpenFiles(const FileChoice& choice, std::vector<std::string>& paths) override;
  bool SaveFile(const FileChoice& choice, std::string& path) override;
  bool ChooseFolder(const std::string& start, std::string& path) override;
};

}  // namespace tmb::ui
