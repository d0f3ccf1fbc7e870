// Progress of long operations, shown in the main window's status area. Engines report a
// percentage; the main frame installs the display.
#pragma once

namespace tmb {

class ProgressService {
 public:
  virtual ~ProgressService() = default;
  virtual void SetPos(int percent) = 0;
};

// The installed service; one that shows nothing until another is set.
ProgressService& Progress();
// Installs service (not owned); nullptr restores the silent default.
void SetProgressService(ProgressService* service);

}  // namespace tmb
