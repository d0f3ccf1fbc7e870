#include "app/dialogs/area_setting_dialog.h"

#include <QLineEdit>
#include <algorithm>

#include "app/window_boxes.h"
#include "core/canvas/work_canvas.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/service/messages.h"
#include "platform/ui/binding_form.h"
#include "platform/ui/list_rows.h"
#include "views/pre_view.h"

CAreaSettingDlg gAreaSettingDlg;

namespace {

constexpr int kKindEditor = 1;

tmb::Rect Paper() { return {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height}; }

// The image editor's region: valid while its frame is shown.
class EditorTarget final : public CAreaTarget {
 public:
  bool GetRegion(tmb::Rect& region) override {
    CBmpViewWindow* window = CBmpViewWindow::Instance();
    if (!window || window->editor().m_nFrameState != 1) return false;
    region = window->editor().m_region;
    return true;
  }
  void SetRegion(const tmb::Rect& region) override {
    CBmpViewWindow* window = CBmpViewWindow::Instance();
    if (!window) return;
    CBmpView& editor = window->editor();
    editor.HideRegionFrame();
    editor.m_region = region;
    editor.ShowRegionFrame();
  }
  void SelectWhole() override { SetRegion(Paper()); }
};

// The preview's selection: valid while its frame is shown.
class PreviewTarget final : public CAreaTarget {
 public:
  bool GetRegion(tmb::Rect& region) override {
    CPre_View* view = CPre_View::Instance();
    if (!view || view->m_nFrameShown != 1) return false;
    region = view->m_rcSelect;
    return true;
  }
  void SetRegion(const tmb::Rect& region) override {
    CPre_View* view = CPre_View::Instance();
    if (!view) return;
    view->SetSelection(region);
    // The redraw puts the frame over the picture.
    view->m_nFrameShown = 1;
    view->RedrawPreview();
  }
  void SelectWhole() override { SetRegion(Paper()); }
};

EditorTarget gEditorTarget;
PreviewTarget gPreviewTarget;

unsigned PaperWidth() { return unsigned(std::max(0, gWorkCanvas.m_width)); }
unsigned PaperHeight() { return unsigned(std::max(0, gWorkCanvas.m_height)); }

}  // namespace

int RunAreaSettingWindow(CAreaSettingState& state) { return gAreaSettingDlg.Run(state); }

int CAreaSettingDlg::Run(CAreaSettingState& state) {
  m_pState = &state;
  state.KeepInside(gWorkCanvas.m_width, gWorkCanvas.m_height);
  const int result = DoModal();
  m_pState = nullptr;
  return result;
}

CAreaTarget* CAreaSettingDlg::Target() {
  if (m_pTarget) return m_pTarget;
  if (m_pState && m_pState->m_nTarget == kKindEditor) return &gEditorTarget;
  return &gPreviewTarget;
}

std::vector<tmb::ui::Binding> CAreaSettingDlg::Bindings() {
  using namespace tmb::ui;
  CAreaSettingState& s = *m_pState;
  return {
      UnsignedEdit(CAreaSettingState::kWidth, &s.m_nWidth, 0, PaperWidth(), "幅"),
      UnsignedEdit(CAreaSettingState::kHeight, &s.m_nHeight, 0, PaperHeight(), "高さ"),
      UnsignedEdit(CAreaSettingState::kLeft, &s.m_nLeft, 0, PaperWidth(), "左"),
      UnsignedEdit(CAreaSettingState::kRight, &s.m_nRight, 0, PaperWidth(), "右"),
      UnsignedEdit(CAreaSettingState::kTop, &s.m_nTop, 0, PaperHeight(), "上"),
      UnsignedEdit(CAreaSettingState::kBottom, &s.m_nBottom, 0, PaperHeight(), "下"),
      PushButton(kTakeCurrent, "現位置を入力"),
      PushButton(kSetByHand, "設定"),
      PushButton(kSetWhole, "全体を領域に設定"),
      PushButton(kRecord, "記録"),
      SelectList(kList, &m_lines, false, "ダブルクリックで再設定 (５０個まで記録でき、次回起動時も有効です。)"),
      PushButton(kDelete, "削除"),
  };
}

void CAreaSettingDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  ShowList(window);
  m_pState->m_bListFilled = 1;
}

void CAreaSettingDlg::ShowList(tmb::ui::DialogWindow& window) {
  // The list box is rebuilt from the recorded list every time, so that a line always
  // names the region of its own index.
  m_lines.clear();
  for (int i = 0; i < m_pState->m_boxes.Count(); ++i) m_lines.push_back(FormatBoxText(m_pState->m_boxes.At(i)));
  tmb::ui::SetListLines(window.Control(kList), m_lines);
}

void CAreaSettingDlg::FieldLeft(tmb::ui::DialogWindow& window, int id) {
  CAreaSettingState& s = *m_pState;
  auto* edit = qobject_cast<QLineEdit*>(window.Control(id));
  bool ok = false;
  const unsigned value = edit ? edit->text().trimmed().toUInt(&ok) : 0;
  const unsigned limit = id == CAreaSettingState::kWidth || id == CAreaSettingState::kLeft ||
                                 id == CAreaSettingState::kRight
                             ? PaperWidth()
                             : PaperHeight();
  // A half-typed or out-of-range value waits for OK, which names the range.
  if (!ok || value > limit) return;
  switch (id) {
    case CAreaSettingState::kWidth: s.m_nWidth = value; break;
    case CAreaSettingState::kHeight: s.m_nHeight = value; break;
    case CAreaSettingState::kLeft: s.m_nLeft = value; break;
    case CAreaSettingState::kRight: s.m_nRight = value; break;
    case CAreaSettingState::kTop: s.m_nTop = value; break;
    case CAreaSettingState::kBottom: s.m_nBottom = value; break;
    default: return;
  }
  s.OnFieldChanged(id);
  s.KeepInside(gWorkCanvas.m_width, gWorkCanvas.m_height);
  window.form()->UpdateData(false);
}

void CAreaSettingDlg::TakeRecorded(tmb::ui::DialogWindow& window) {
  const int row = tmb::ui::SelectedRow(window.Control(kList));
  // Without a selected line there is nothing to take.
  if (row < 0 || row >= m_pState->m_boxes.Count()) return;
  m_pState->SetRegion(m_pState->m_boxes.At(row));
  Target()->SetRegion(m_pState->Region());
  window.form()->UpdateData(false);
}

void CAreaSettingDlg::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  CAreaSettingState& s = *m_pState;
  if (code == tmb::ui::Notify::kKillFocus) {
    FieldLeft(window, id);
    return;
  }
  if (code == tmb::ui::Notify::kDoubleClick && id == kList) {
    TakeRecorded(window);
    return;
  }
  if (code != tmb::ui::Notify::kClicked) return;
  tmb::Rect region;
  switch (id) {
    case kTakeCurrent:
      if (!Target()->GetRegion(region)) return;
      s.SetRegion(region);
      s.KeepInside(gWorkCanvas.m_width, gWorkCanvas.m_height);
      window.form()->UpdateData(false);
      break;
    case kSetByHand:
      if (!window.form()->UpdateData(true)) return;
      s.KeepInside(gWorkCanvas.m_width, gWorkCanvas.m_height);
      Target()->SetRegion(s.Region());
      window.form()->UpdateData(false);
      break;
    case kSetWhole:
      Target()->SelectWhole();
      s.SetRegion(Paper());
      window.form()->UpdateData(false);
      break;
    case kRecord: {
      const bool valid = Target()->GetRegion(region);
      if (valid) region.Normalize();
      if (s.Record(valid, region)) ShowList(window);
      break;
    }
    case kDelete: {
      const int row = tmb::ui::SelectedRow(window.Control(kList));
      // Without a selected line nothing is deleted.
      if (row < 0 || !s.m_boxes.RemoveAt(row)) return;
      ShowList(window);
      break;
    }
    default: break;
  }
}
