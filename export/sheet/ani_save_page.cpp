#include "export/sheet/ani_save_page.h"

#include "core/file/path_edit.h"
#include "imageedit/editor/area_setting.h"
#include "export/sheet/wait_time_dlg.h"
#include "platform/ui/radio_choice.h"
#include "views/pre_view.h"

CAniSavePage::CAniSavePage(CAniSheetValues& values) : CAniPage(292, "ファイル", kAnimPageSave, values) {}

std::vector<tmb::ui::Binding> CAniSavePage::PageBindings() {
  using namespace tmb::ui;
  CAniSaveValues& v = m_values.save;
  return {
      TextEdit(kBaseEdit, &v.m_strBase, "ファイル名基本部"),
      TextEdit(kFolderEdit, &v.m_strFolder, "保存フォルダ"),
      PushButton(kBrowseButton, "参照"),
      CheckBox(450, &v.m_bFrameFiles, "作成する"),
      RadioChoice(388, &v.m_nFrameFormat, {"BMP", "PNG", "JPEG"}, "コマ画像ファイル"),
      CheckBox(kAviCheck, &v.m_bAvi, "AVIファイル"),
      CheckBox(394, &v.m_bAviRecompress, "圧縮保存"),
      RadioChoice(389, &v.m_nSaveRange, {"全範囲", "選択範囲", "自動設定"}, "保存範囲"),
      PushButton(kRegionButton, "詳細設定"),
      SignedEdit(399, &v.m_nMarginX, 0, kSheetMaxMargin, "横"),
      SpinButton(414, 399, 0, kSheetMaxMargin),
      SignedEdit(400, &v.m_nMarginY, 0, kSheetMaxMargin, "縦"),
      SpinButton(415, 400, 0, kSheetMaxMargin),
      CheckBox(431, &v.m_bClipboard, "１枚ごとにクリップボードに送付"),
      CheckBox(437, &v.m_bMng, "MNGファイル"),
      CheckBox(438, &v.m_bGif, "ｱﾆﾒｰｼｮﾝGIFファイル"),
      CheckBox(562, &v.m_bSwf, "フラッシュSWFファイル"),
      SignedEdit(441, &v.m_nWaitFirst, 0, kSheetMaxWait, "開始コマ"),
      SpinButton(446, 441, 0, kSheetMaxWait),
      SignedEdit(442, &v.m_nWaitMiddle, 0, kSheetMaxWait, "中間部"),
      SpinButton(447, 442, 0, kSheetMaxWait),
      SignedEdit(443, &v.m_nWaitLast, 0, kSheetMaxWait, "最終コマ"),
      SpinButton(444, 443, 0, kSheetMaxWait),
      RadioChoice(579, &v.m_nWaitMode, {"簡易設定", "個別設定"}, "ウェイトタイム"),
      PushButton(kWaitButton, "設定"),
      CheckBox(445, &v.m_bTransparent, "用紙色を透過"),
      CheckBox(452, &v.m_bOpenResults, "表示用ソフトを自動起動して確認"),
      CheckBox(473, &v.m_bBackAndForth, "動画を折り返す"),
      CheckBox(451, &v.m_bHtml, "一覧用html"),
      CheckBox(kTestCheck, &v.m_bTest, "テスト"),
  };
}

void CAniSavePage::OnInitDialog() { HideControls({kTestCheck}); }

void CAniSavePage::OnPageNotify(int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  if (id == kBrowseButton) {
    Browse();
  } else if (id == kWaitButton) {
    EditWaits();
  } else if (id == kRegionButton) {
    EditRegion();
  }
}

void CAniSavePage::Browse() {
  // What the user typed stays when the page shows the chosen folder.
  if (!UpdateData(true)) return;
  std::string folder;
  if (BrowseForFolder(folder, m_values.save.m_strFolder, "保存フォルダ") != 1) return;
  m_values.save.m_strFolder = folder;
  UpdateData(false);
}

void CAniSavePage::EditWaits() {
  if (!UpdateData(true)) return;
  CAniSaveValues& v = m_values.save;
  CWaitTimeDlg dialog;
  dialog.m_waits = v.m_waits;
  dialog.m_nCount = v.m_nWaitCount;
  dialog.m_nFirst = v.m_nWaitFirst;
  dialog.m_nMiddle = v.m_nWaitMiddle;
  dialog.m_nLast = v.m_nWaitLast;
  if (tmb::ui::IsAccepted(dialog.DoModal(this))) v.m_waits = dialog.m_waits;
}

void CAniSavePage::EditRegion() {
  // The region dialog's target other than the image editor is the preview.
  constexpr int kPreviewTarget = 0;
  if (CPre_View* preview = CPre_View::Instance()) gAnimSaveRegion = preview->m_rcSelect;
  tmb::Point corner1{gAnimSaveRegion.left, gAnimSaveRegion.top};
  tmb::Point corner2{gAnimSaveRegion.right, gAnimSaveRegion.bottom};
  if (!RunAreaSettingDialog(corner1, corner2, kPreviewTarget)) return;
  gAnimSaveRegion = {corner1.x, corner1.y, corner2.x, corner2.y};
  gAnimRegionSet = 1;
}
