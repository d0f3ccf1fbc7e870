// "Marge AnimationGIF files" (template 260): three animated GIF files, each typed or
// chosen with its own "Browse" button.
#pragma once

#include <array>
#include <string>

#include "platform/ui/dialog.h"

class CMergeGifDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr std::array<int, 3> kFileEdits = {458, 459, 460};
  static constexpr std::array<int, 3> kBrowseButtons = {461, 462, 463};

  CMergeGifDlg() : ModalDialog(260, "Marge AnimationGIF files") {}

  std::array<std::string, 3> m_files;  // UTF-8 paths

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
};
