#include "export/sheet/swf_file_page.h"

#include "platform/ui/radio_choice.h"

namespace {

constexpr int kSmoothingEdit = 422;
constexpr int kSmoothingSpin = 613;

}  // namespace

CSwfFilePage::CSwfFilePage(CAniSheetValues& values) : CAniPage(282, "swfファイル", kAnimPageSwf, values) {}

std::vector<tmb::ui::Binding> CSwfFilePage::PageBindings() {
  using namespace tmb::ui;
  CSwfFileValues& v = m_values.swf;
  return {
      CheckBox(564, &v.m_bDummyBox, "背景色用ダミーボックスを付加"),
      CheckBox(567, &v.m_bOutlineOnly, "輪郭線のみ"),
      CheckBox(563, &v.m_bUseWaits, "ウェイトタイムの指定を有効化"),
      CheckBox(565, &v.m_bSplitFont, "オリジナルフォントをストローク分割して出力"),
      CheckBox(625, &v.m_bCompress, "データの圧縮"),
      RadioChoice(622, &v.m_nGradient, {"OFF", "放射状", "線状"}, "グラデーション"),
      RadioChoice(623, &v.m_nLineColour, {"背景色", "右端相当色", "[文字]指定色"}, "線（輪郭）色"),
      RadioChoice(624, &v.m_nFillArea, {"ストローク毎", "領域全体"}, "塗りの基準領域"),
      RadioChoice(652, &v.m_nPointMeaning, {"位置", "対他量"}, "ポイント値の意味"),
      SignedEdit(kSmoothingEdit, &v.m_nSmoothing, 0, kSheetMaxSmoothing, ""),
      SpinButton(kSmoothingSpin, kSmoothingEdit, 0, kSheetMaxSmoothing),
  };
}

void CSwfFilePage::OnInitDialog() { HideControls({kSmoothingEdit, kSmoothingSpin}); }
