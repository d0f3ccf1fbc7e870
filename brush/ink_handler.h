// Tablet PC ink as the brush-outline engine sees it: whether ink input is active, and the
// switch of the current ink collector. The pen input installs the real handler; the
// default reports no ink and switches nothing.
#pragma once

class CInkHandler {
 public:
  virtual ~CInkHandler() = default;
  // True while Tablet PC ink input is active in a drawing view.
  virtual bool IsInkActive() const { return false; }
  // Enables the current ink collector when on is above 0, else disables it.
  virtual void SetCollectorFlag(int on) { (void)on; }
};

// The installed handler; the inactive default until another is set.
CInkHandler& CurrentInkHandler();
// Installs handler (not owned); nullptr restores the default.
void SetCurrentInkHandler(CInkHandler* handler);
