#include "app/dialogs/avi_codec_dialog.h"

CAviCodecDlg gAviCodecDlg;

std::vector<tmb::ui::Binding> CAviCodecDlg::Bindings() {
  using namespace tmb::ui;
  return {
      RadioGroup(kIdCodec, &m_nCodec, {"Uncompressed", "Motion-JPEG"}, "Codec"),
      SignedEdit(kIdQuality, &m_nQuality, 1, 100, "Quality (Motion-JPEG)"),
  };
}

bool CAviCodecDlg::Choose(AviCodecChoice& choice) {
  m_nCodec = choice.codec == tmb::AviCodec::kMotionJpeg ? 1 : 0;
  m_nQuality = choice.quality;
  if (!tmb::ui::IsAccepted(DoModal())) return false;
  choice.codec = m_nCodec == 0 ? tmb::AviCodec::kUncompressed : tmb::AviCodec::kMotionJpeg;
  choice.quality = m_nQuality;
  return true;
}
