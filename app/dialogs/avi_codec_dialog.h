// The codec question before a movie is recompressed: uncompressed frames, or Motion-JPEG
// at a quality from 1 to 100. It is the program's own dialog, so its template id and
// control ids are ours.
#pragma once

#include "export/avi/avi_codec_chooser.h"
#include "platform/ui/dialog.h"

class CAviCodecDlg final : public tmb::ui::ModalDialog, public AviCodecChooser {
 public:
  static constexpr int kTemplateId = 900;
  static constexpr int kIdCodec = 901;    // radio group: 0 uncompressed, 1 Motion-JPEG
  static constexpr int kIdQuality = 903;  // after the group's two buttons

  CAviCodecDlg() : ModalDialog(kTemplateId, "Movie compression") {}

  // Runs the dialog on choice; false when it was cancelled.
  bool Choose(AviCodecChoice& choice) override;

  int m_nCodec = 1;
  int m_nQuality = 75;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

// The dialog the main frame installs.
extern CAviCodecDlg gAviCodecDlg;
