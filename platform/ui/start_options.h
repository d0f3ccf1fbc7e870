// Process-level start options that do not belong to the application's own command line.
#pragma once

class QApplication;

namespace tmb::ui {

// With TAMBERI_QUIT_AFTER_START set, quits as soon as the event loop has run once: the
// smoke test of a build starts the real executable this way. Returns whether it is set.
bool ApplyStartOptions(QApplication& app);

}  // namespace tmb::ui
