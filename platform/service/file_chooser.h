// File and folder choosers. Filters are written as the program's own tables write them:
// "(*.wdf)|*.wdf|(*.*)|*.*||", label and pattern pairs separated by bars.
#pragma once

#include <string>
#include <vector>

namespace tmb {

struct FileChoice {
  std::string title;          // empty: the chooser's own title
  std::string filter;         // label|pattern|... ; empty: every file
  std::string folder;         // the folder the chooser starts in
  std::string fileName;       // proposed name
  std::string defaultExtension;  // added to a saved name without one ("wdf")
  int filterIndex = 0;           // the filter shown first, counted from 0
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // Each returns true and stores the chosen path when the user confirmed.
  virtual bool OpenFile(const FileChoice& choice, std::string& path) = 0;
  // Several files to open at once, in the order chosen; a chooser that takes one file at a
  // time gives one.
  virtual bool OpenFiles(const FileChoice& choice, std::vector<std::string>& paths) {
    std::string path;
    if (!OpenFile(choice, path)) return false;
    paths = {path};
    return true;
  }
  virtual bool SaveFile(const FileChoice& choice, std::string& path) = 0;
  virtual bool ChooseFolder(const std::string& start, std::string& path) = 0;
};

// The installed chooser; one that always reports a cancel until another is set.
FileChooser& Choosers();
void SetFileChooser(FileChooser* chooser);

}  // namespace tmb
