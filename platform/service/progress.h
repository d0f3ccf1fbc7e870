// Progress of long operations, shown in the main window's status area. Engines report a
// percentage and, for work the user may stop, offer a cancel and ask whether it was
// pressed; the main frame installs the display.
#pragma once

namespace tmb {

class ProgressService {
 public:
  virtual ~ProgressService() = default;
  virtual void SetPos(int percent) = 0;
  // Shows (on) or hides the cancel of a long operation; a new showing clears a cancel.
  virtual void OfferCancel(bool /*on*/) {}
  // Whether the user cancelled since the cancel was offered (lets the display take input).
  virtual bool CancelRequested() { return false; }
};

// The installed service; one that shows nothing until another is set.
ProgressService& Progress();
// Installs service (not owned); nullptr restores the silent default.
void SetProgressService(ProgressService* service);

// Offers the cancel for the length of a scope.
class CancellableProgress {
 public:
  CancellableProgress() { Progress().OfferCancel(true); }
  ~CancellableProgress() {
    Progress().OfferCancel(false);
    Progress().SetPos(0);
  }
  CancellableProgress(const CancellableProgress&) = delete;
  CancellableProgress& operator=(const CancellableProgress&) = delete;
  bool Cancelled() { return Progress().CancelRequested(); }
};

}  // namespace tmb
