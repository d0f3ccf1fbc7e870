// What the start-up asks of the machine: free disk space, the kind of the start drive
// and the pointer speed to restore at close. Tests install a machine of their own.
#pragma once

#include <cstdint>
#include <string>

namespace tmb {

class MachineService {
 public:
  virtual ~MachineService() = default;
  // Free space of the file system holding folder, in units of 1,000,000 bytes; -1 when
  // it cannot be read.
  virtual int64_t FreeDiskMegabytes(const std::string& folder) = 0;
  // Whether folder lies on a CD or DVD file system.
  virtual bool IsOnOpticalDisc(const std::string& folder) = 0;
  // Pointer speed: a level the program may change while a drawing view has the focus.
  virtual int GetMouseSpeedLevel() = 0;
  virtual void SetMouseSpeedLevel(int level) = 0;
};

// The installed service; by default the real machine, whose pointer speed is left to
// the desktop (read as 0, never changed).
MachineService& Machine();
void SetMachineService(MachineService* service);

}  // namespace tmb
