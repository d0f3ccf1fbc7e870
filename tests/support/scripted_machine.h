// A machine for tests: free disk space, the kind of disc and the pointer speed are what
// the test says; the folders asked about and pointer speed changes are recorded.
#pragma once

#include <string>
#include <vector>

#include "platform/service/machine.h"

namespace tmb::test {

class ScriptedMachine final : public MachineService {
 public:
  ScriptedMachine() { SetMachineService(this); }
  ~ScriptedMachine() override { SetMachineService(nullptr); }

  int64_t FreeDiskMegabytes(const std::string& folder) override {
    spaceFolders.push_back(folder);
    return freeMegabytes;
  }
  bool IsOnOpticalDisc(const std::string&) override { return optical; }
  int GetMouseSpeedLevel() override { return speed; }
  void SetMouseSpeedLevel(int level) override { speedsSet.push_back(level); }

  int64_t freeMegabytes = 100000;
  bool optical = false;
  int speed = 0;
  std::vector<int> speedsSet;
  std::vector<std::string> spaceFolders;
};

}  // namespace tmb::test
