// The wait cursor shown during long operations. Engines hold a WaitCursor for the length
// of the work; the UI installs the service that changes the pointer.
#pragma once

namespace tmb {

class CursorService {
 public:
  virtual ~CursorService() = default;
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
};

CursorService& Cursors();
// Installs service (not owned); nullptr restores the default that changes nothing.
void SetCursorService(CursorService* service);

// Shows the wait cursor from construction to destruction.
class WaitCursor {
 public:
  WaitCursor() { Cursors().BeginWait(); }
  ~WaitCursor() { Cursors().EndWait(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace tmb
