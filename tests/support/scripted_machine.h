// A machine for tests: free disk space, the kind of disc and the pointer are what the
// test says; the folders asked about and the pointer changes are recorded.
#pragma once

#include <string>
#include <vector>

#include "platform/service/machine.h"
#include "platform/service/pointer_speed.h"

namespace tmb::test {

class ScriptedMachine final : public MachineService, public PointerSpeedService {
 public:
  ScriptedMachine() {
    SetMachineService(this);
    SetPointerSpeedService(this);
  }
  ~ScriptedMachine() override {
    SetPointerSpeedService(nullptr);
    SetMachineService(nullptr);
  }

  int64_t FreeDiskMegabytes(const std::string& folder) override {
    spaceFolders.push_back(folder);
    return freeMegabytes;
  }
  bool IsOnOpticalDisc(const std::string&) override { return optical; }

  bool GetMouseThresholds(MouseThresholds& out) override {
    out = thresholds;
    return true;
  }
  void SetMouseThresholds(const MouseThresholds& t) override { thresholdsSet.push_back(t); }
  bool GetMouseSpeed(int& out) override {
    out = speed;
    return true;
  }
  void SetMouseSpeed(int value) override { speedsSet.push_back(value); }

  int64_t freeMegabytes = 100000;
  bool optical = false;
  int speed = 10;
  MouseThresholds thresholds;
  std::vector<int> speedsSet;
  std::vector<MouseThresholds> thresholdsSet;
  std::vector<std::string> spaceFolders;
};

}  // namespace tmb::test
