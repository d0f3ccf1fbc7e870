// The file and folder choosers of the running program, over the desktop's file dialogs.
#pragma once

#include <QString>

#include "platform/service/file_chooser.h"

namespace tmb::ui {

// "(*.wdf)|*.wdf|(*.*)|*.*||" as the dialogs want it: "(*.wdf) (*.wdf);;(*.*) (*)".
QString ConvertFilter(const std::string& filter);

class FileChooserDialogs final : public FileChooser {
 public:
  bool OpenFile(const FileChoice& choice, std::string& path) override;
  bool OpenFiles(const FileChoice& choice, std::vector<std::string>& paths) override;
  bool SaveFile(const FileChoice& choice, std::string& path) override;
  bool ChooseFolder(const std::string& start, std::string& path, const std::string& title = {}) override;
};

}  // namespace tmb::ui
