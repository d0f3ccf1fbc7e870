// Services that record what the engines ask of them: the shell's opening of produced
// files, the progress shown, and a mouse whose button is released at a chosen question,
// as a user stopping long work does.
#pragma once

#include <string>
#include <vector>

#include "core/state/mouse_messages.h"
#include "platform/service/progress.h"
#include "platform/service/shell_open.h"

namespace tmb::test {

class RecordedShell final : public ShellOpenService {
 public:
  RecordedShell() { SetShellOpenService(this); }
  ~RecordedShell() override { SetShellOpenService(nullptr); }
  bool Open(const std::string& path) override { return opened.push_back(path), opens; }
  std::vector<std::string> opened;
  bool opens = true;  // false: a desktop where no program opens anything
};

class RecordedProgress final : public ProgressService {
 public:
  RecordedProgress() { SetProgressService(this); }
  ~RecordedProgress() override { SetProgressService(nullptr); }
  void SetPos(int percent) override { positions.push_back(percent); }
  std::vector<int> positions;
};

// A mouse that is released when it is asked for the at-th time (0 the first).
class ReleaseAt final : public MouseQueue {
 public:
  explicit ReleaseAt(int at) : at_(at) { SetMouseQueue(this); }
  ~ReleaseAt() override { SetMouseQueue(nullptr); }
  int TakeMouseMessage(bool) override { return calls_++ == at_ ? kMouseLeftUp : kMouseNone; }

 private:
  int at_;
  int calls_ = 0;
};

}  // namespace tmb::test
