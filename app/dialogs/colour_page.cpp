#include "app/dialogs/colour_page.h"

#include <QAbstractButton>

#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "platform/service/file_chooser.h"
#include "platform/text/code_page.h"
#include "platform/ui/dialog.h"

namespace {

constexpr int kModeRadio = 667;
// The template's set of 667 runs into the "設定" buttons at 668, so the single-colour
// button takes an id of its own.
constexpr int kSingleColourButton = 679;
constexpr int kSetRadio = 668;
constexpr int kColourBox = 672;
constexpr int kCharSwatch = 671;
constexpr int kPaperSwatch = 670;
constexpr char kPictureFilter[] = "(*.bmp;*.png;*.jpg;)|*.bmp;*.png;*.jpg;|(*.*)|*.*||";
constexpr int kTextFirstPicture = 3;  // texts 3 and 4: background pictures 1 and 2

}  // namespace

CColorPage::CColorPage()
    : PropertyPage(317, "颜色"),
      m_colours({{kCharSwatch, kPaperSwatch}, {673, 674, 675}, {676, 677, 678}, SliderScale::kDirect, true}) {}

std::vector<tmb::ui::Binding> CColorPage::Bindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines = {
      RadioButtons({kModeRadio, kSingleColourButton}, &m_nColourMode, {"黑墨", "单色"}, "文字颜色"),
      RadioGroup(kSetRadio, &m_nSetRadio, {"设置: 文字颜色", "设置: 纸张颜色"}, "设置"),
  };
  for (Binding& b : m_colours.Bindings({"文字颜色", "纸张颜色"})) lines.push_back(std::move(b));
  lines.push_back(PushButton(kColourBox, "标准颜色"));
  // The page confirms and cancels itself: the sheet that holds it has no buttons.
  lines.push_back(PushButton(kIdOk, "変換表示"));
  lines.push_back(PushButton(kIdCancel, "キャンセル"));
  return lines;
}

void CColorPage::OnInitDialog() {
  m_colours.Attach([this](int id) { return Control(id); });
  m_colours.OnInitDialog(true);
}

void CColorPage::OnNotify(int id, tmb::ui::Notify code) {
  // A click into a swatch chooses its slot as its "設定" button does.
  if (code == tmb::ui::Notify::kSetFocus && (id == kCharSwatch || id == kPaperSwatch)) {
    ChooseSlot(id == kCharSwatch ? kCharColour : kPaperColour);
    return;
  }
  if (m_colours.OnNotify(id, code)) return;
  if (id == tmb::ui::kIdOk) {
    OnOK();
  } else if (id == tmb::ui::kIdCancel) {
    OnCancel();
  } else if (id == kColourBox) {
    m_colours.ChooseFromColourBox();
  } else if (id == kSetRadio || id == kSetRadio + 1) {
    ChooseSlot(id - kSetRadio);
  }
}

void CColorPage::ChooseSlot(int slot) {
  m_nSetRadio = slot;
  if (auto* button = qobject_cast<QAbstractButton*>(Control(kSetRadio + slot))) button->setChecked(true);
  WriteModeToRecord();
  m_colours.SelectSlot(slot);
}

void CColorPage::WriteModeToRecord() {
  if (auto* single = qobject_cast<QAbstractButton*>(Control(kSingleColourButton))) {
    m_nColourMode = single->isChecked() ? 1 : 0;
  }
  if (!m_pRecord) return;
  if (!m_bRemembered) {
    m_nRememberedMode = m_pRecord->m_param[kColourModeParam];
    m_bRemembered = true;
  }
  m_pRecord->m_param[kColourModeParam] = m_nColourMode ? kSingleColourMode : 0;
  m_pRecord->m_nOutlineDirty = 1;
}

void CColorPage::OnOK() {
  if (!UpdateData(true)) return;
  m_bRemembered = false;
  if (m_onApply) m_onApply();
}

void CColorPage::OnCancel() {
  // The slot buttons wrote the mode into the live record; give it back before the page
  // is reloaded from that record, so Cancel keeps nothing.
  if (m_bRemembered && m_pRecord) m_pRecord->m_param[kColourModeParam] = m_nRememberedMode;
  m_bRemembered = false;
  if (m_onReload) m_onReload();
}

bool CColorPage::ChoosePictureFile(int index) {
  if (!m_pRecord || index < 0 || index > 1) return false;
  tmb::FileChoice choice;
  choice.filter = kPictureFilter;
  choice.fileName = "*.bmp";
  choice.folder = gDrawState.m_szLastFolder;
  std::string path;
  if (!tmb::Choosers().OpenFile(choice, path)) return false;
  m_strPictures[size_t(index)] = path;
  m_pRecord->m_text[size_t(kTextFirstPicture + index)] = tmb::Utf8ToSjisLossy(path);
  m_pRecord->m_bModified = 1;
  return true;
}
