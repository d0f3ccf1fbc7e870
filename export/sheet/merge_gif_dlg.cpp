#include "export/sheet/merge_gif_dlg.h"

#include "core/state/draw_state.h"
#include "platform/service/file_chooser.h"
#include "platform/ui/binding_form.h"
#include "resources/string_table.h"

namespace {

constexpr int kMsgOpenTitle = 62067;  // "Open"

}  // namespace

std::vector<tmb::ui::Binding> CMergeGifDlg::Bindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines;
  for (size_t i = 0; i < m_files.size(); ++i) {
    lines.push_back(TextEdit(kFileEdits[i], &m_files[i], "GIF " + std::to_string(i + 1)));
    lines.push_back(PushButton(kBrowseButtons[i], "Browse"));
  }
  return lines;
}

void CMergeGifDlg::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  for (size_t i = 0; i < kBrowseButtons.size(); ++i) {
    if (id != kBrowseButtons[i]) continue;
    // What was typed into the other edits stays when the chosen file is shown.
    if (!window.form()->UpdateData(true)) return;
    tmb::FileChoice choice;
    choice.title = tmb::LoadStringText(kMsgOpenTitle);
    choice.filter = "(*.gif)|*.gif|(*.gif)|*.gif|(*.*)|*.*||";
    choice.folder = gDrawState.m_szLastFolder;
    choice.fileName = "*.gif";
    choice.defaultExtension = "gif";
    std::string path;
    if (!tmb::Choosers().OpenFile(choice, path)) return;
    m_files[i] = path;
    window.form()->UpdateData(false);
  }
}
