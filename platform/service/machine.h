// What the start-up asks of the machine: free disk space and the kind of the start drive.
// Tests install a machine of their own.
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
};

// The installed service; by default the real machine.
MachineService& Machine();
void SetMachineService(MachineService* service);

}  // namespace tmb
