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
  // The answer to the next question for several files.
  void NextFiles(std::vector<std::string> paths) { files_.push_back(std::move(paths)); }

  bool OpenFile(const FileChoice& choice, std::string& path) override { return Take(choice, path); }
  bool OpenFiles(const FileChoice& choice, std::vector<std::string>& paths) override {
    asked.push_back(choice);
    if (files_.empty()) return false;
    paths = files_.front();
    files_.pop_front();
    return true;
  }
  bool SaveFile(const FileChoice& choice, std::string& path) override { return Take(choice, path); }
  bool ChooseFolder(const std::string& start, std::string& path, const std::string& title = {}) override {
    FileChoice choice;
    choice.folder = start;
    choice.title = title;
    return Take(choice, path);
  }

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
  std::deque<std::vector<std::string>> files_;
};

}  // namespace tmb::test
