#include "app/settings/style_menus.h"

#include <QMenu>
#include <filesystem>

#include "app/frame_command_helpers.h"
#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "convert/presets/preset_list.h"
#include "convert/presets/style_def_tree.h"
#include "core/record/char_slots.h"
#include "core/state/draw_state.h"
#include "platform/text/code_page.h"

namespace {

constexpr int kParamChosenStyle = 381;
constexpr int kParamStyleVersion = 382;
// The style command a table item runs once its table is chosen.
constexpr int kStyleAfterTableChoice = 1;
QString MenuText(const std::array<char, CStyleDefTree::kNameBytes>& field) {
  return QString::fromStdString(tmb::SjisToUtf8Lossy(StyleName(field)));
}

}  // namespace

int ReadStyleDef(const std::string& programFolder, const std::string& dataFolder) {
  const std::string beside = programFolder + "/" + CStyleDefTree::kFileName;
  std::error_code ec;
  const bool found = std::filesystem::is_regular_file(std::filesystem::u8path(beside), ec);
  SetStyleDefSource(&gStyleDefRoot);
  return gStyleDefRoot.ReadFile(found ? beside : dataFolder + "/" + CStyleDefTree::kFileName);
}

void ApplyStyleVersion() {
  const std::optional<int> version = gStyleDefRoot.version();
  if (!version) return;
  // The slots too: a window's first paint takes its settings from them.
  for (int i = 0; i < kCharSlotCount; ++i) gCharSlots[i].m_param[kParamStyleVersion] = *version;
  for (int kind : {kKindDrawA, kKindDrawB}) {
    if (CTmbDocument* doc = GetCharDocumentOfKind(kind)) doc->DrawnRecord()->m_param[kParamStyleVersion] = *version;
  }
}

void CMainFrame::RegisterStyleCommands() {
  for (int c = 0; c < CStyleDefTree::kCommands; ++c) {
    const int item = CStyleDefTree::kFirstItemId + c;
    OnCommand(item, [item, c] {
      CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw);
      if (!doc || gStyleDefRoot.ClassOfCommand(item) < 0) return;
      gStyleDefRoot.m_nCurEntry = c;
      gStyleDefRoot.m_nCurClass = gStyleDefRoot.ClassOfCommand(item);
      CCharDataFull& rec = *doc->DrawnRecord();
      rec.m_param[kParamChosenStyle] = c;
      if (CTmbView* view = CommandView()) view->ApplyStyleCommand(kStyleFromStyleMenus);
      // A style whose values stay brings every parameter with it: the choice is noted again.
      rec.m_param[kParamChosenStyle] = c;
    });
    OnUpdate(item, [item, c](tmb::ui::CommandUpdate& u) {
      const CCharDataFull* rec = PeekCurrentRecord();
      u.Enable(rec && gStyleDefRoot.ClassOfCommand(item) >= 0);
      u.SetCheck(rec && rec->m_param[kParamChosenStyle] == c);
    });
    // The table chosen, the style command compares its styles.
    const int choice = CStyleDefTree::kFirstTableId + c;
    OnCommand(choice, [choice] {
      if (gStyleDefRoot.TableOfCommand(choice) < 0) return;
      gStyleDefRoot.m_nCurTable = gStyleDefRoot.TableOfCommand(choice);
      if (CTmbView* view = CommandView()) view->ApplyStyleCommand(kStyleAfterTableChoice);
    });
    OnUpdate(choice, [choice](tmb::ui::CommandUpdate& u) {
      u.Enable(PeekCurrentRecord() && gStyleDefRoot.TableOfCommand(choice) >= 0);
      u.SetCheck(gStyleDefRoot.m_nCurTable >= 0 && gStyleDefRoot.m_nCurTable == gStyleDefRoot.TableOfCommand(choice));
    });
  }
}

void CMainFrame::OnMenuLoaded(int /*menuId*/) {
  // The style menu joins the bar when a drawing window paints while it is active.
  AddRecentFileMenu();
}

void CStyleDefTree::BuildMenus(QMenu& root, const std::function<QAction*(int)>& actionOf,
                               const std::function<void(QMenu*)>& watch) const {
  // levels[d]: the menu of depth d, opened by the last popup of depth d - 1.
  std::array<QMenu*, CStyleDefTree::kMaxDepths> levels{};
  levels[0] = &root;
  for (const MenuEntry& entry : m_entries) {
    QMenu* menu = entry.depth >= 0 && entry.depth < CStyleDefTree::kMaxDepths ? levels[size_t(entry.depth)] : nullptr;
    if (!menu) continue;
    if (entry.type == CStyleDefTree::kSeparator) {
      menu->addSeparator();
    } else if (entry.type == CStyleDefTree::kItem) {
      QAction* action = actionOf(entry.command);
      action->setText(MenuText(entry.text));
      menu->addAction(action);
    } else {
      QMenu* popup = menu->addMenu(MenuText(entry.text));
      watch(popup);
      if (entry.depth + 1 < CStyleDefTree::kMaxDepths) levels[size_t(entry.depth) + 1] = popup;
    }
  }
}
