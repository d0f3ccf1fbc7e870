// The current Tablet PC ink collector as the brush-outline engine switches it. The pen
// input installs the real handler; the default switches nothing. Whether ink input is
// active at all is the work canvas's m_bInkActive.
#pragma once

class CInkHandler {
 public:
  virtual ~CInkHandler() = default;
  // Enables the current ink collector when on is above 0, else disables it.
  virtual void SetCollectorFlag(int on) { (void)on; }
};

// The installed handler; the default until another is set.
CInkHandler& CurrentInkHandler();
// Installs handler (not owned); nullptr restores the default.
void SetCurrentInkHandler(CInkHandler* handler);
