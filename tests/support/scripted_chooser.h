// File choosers for tests: each question takes the next scripted path, or is cancelled
// when none is left; the choices asked for are recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/service/file_chooser.h"

namespace tmb::test {

class ScriptedChooser final : public FileChooser {
 public:
  ScriptedChooser() { SetFileChooser(this); }
  ~ScriptedChooser() override { SetFileChooser(nullptr); }

  void Next(std::string path) { paths_.push_back(std::move(path)); }

  bool OpenFile(const FileChoice& choice, std::string& path) override { return Take(choice, path); }
  bool SaveFile(const FileChoice& choice, std::string& path) override { return Take(choice, path); }
  bool ChooseFolder(const std::string&, std::string& path) override { return Take({}, path); }

  std::vector<FileChoice> asked;

 private:
  bool Take(const FileChoice& choice, std::string& path) {
    asked.push_back(choice);
    if (paths_.empty()) return false;
    path = paths_.front();
    paths_.pop_front();
    return true;
  }
  std::deque<std::string> paths_;
};

}  // namespace tmb::test
