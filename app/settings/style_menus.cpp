#include "app/settings/style_menus.h"

#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "app/frame_command_helpers.h"
#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "convert/presets/preset_list.h"
#include "convert/presets/style_def_tree.h"
#include "core/record/char_slots.h"
#include "core/state/draw_state.h"
#include "platform/text/code_page.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/string_table.h"

namespace {

constexpr int kParamChosenStyle = 381;
constexpr int kParamStyleVersion = 382;
constexpr int kStyleMenuTitle = 62081;
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

void CMainFrame::OnMenuLoaded(int menuId) {
  AddRecentFileMenu();
  if (menuId != tmb::kMenuCharacter || gStyleDefRoot.entries().empty()) return;
  // The Settings menu is the one that holds the standard settings.
  QAction* anchor = ActionOf(tmb::kCmdStandardSettings);
  QMenu* settings = nullptr;
  for (QAction* top : menuBar()->actions()) {
    if (top->menu() && anchor && top->menu()->actions().contains(anchor)) settings = top->menu();
  }
  if (!settings) return;
  settings->addSeparator();
  QMenu* root = settings->addMenu(QString::fromStdString(tmb::LoadStringText(kStyleMenuTitle)));
  root->setObjectName(QStringLiteral("styleMenu"));
  UpdateWhenShown(root);
  gStyleDefRoot.BuildMenus(
      *root, [this](int id) { return ActionFor(id); }, [this](QMenu* popup) { UpdateWhenShown(popup); });
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
