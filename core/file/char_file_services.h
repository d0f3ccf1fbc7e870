// What the character file reader asks of the dialogs of the shell: the settings-value
// file question and the current style selection. The shell installs its own; until then
// the defaults answer.
#pragma once

#include <optional>

// Answers to the settings-value file question.
enum SettingFileAnswer {
  kSettingFileCancel = 0,   // do not read the block
  kSettingFileConvert = 1,  // keep the present points, take the file's settings
  kSettingFileReplace = 2,  // erase the present points and take the settings
};

class CharFileDialogs {
 public:
  virtual ~CharFileDialogs() = default;
  // A file without points is being read over a character: what to do. The default keeps
  // the points (the question's default button).
  virtual int AskSettingFile() { return kSettingFileConvert; }
  // The selection value of the style-definition tree, which loaded records take as
  // parameter 382; none while there is no tree.
  virtual std::optional<int> StyleSelection() { return std::nullopt; }
};

// The installed dialogs; the defaults until another is set.
CharFileDialogs& FileDialogs();
// Installs dialogs (not owned); nullptr restores the defaults.
void SetCharFileDialogs(CharFileDialogs* dialogs);
