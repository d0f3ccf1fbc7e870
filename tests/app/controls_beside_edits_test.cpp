// Every slider and every pair of arrows that belongs to an edit stands in the edit's row,
// right beside it, drawn whole at its size hint: in each dialog, sheet page and box that
// has them. Those the menus open are opened by their labels, each tab of a sheet shown and
// the buttons that open a further dialog pressed; those no command opens are shown on
// their own. The special-effect details and the layout dialog are left as pictures under
// pictures/, and every pair of arrows shows the ink of both its arrows.
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QSpinBox>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "app/dialogs/animation_values_dialog.h"
#include "app/kind_lookup.h"
#include "app/sheets/glyph_colour_pages.h"
#include "app/sheets/glyph_shape_pages.h"
#include "app/sheets/line_page.h"
#include "app/sheets/outline_page.h"
#include "app/sheets/scale_page.h"
#include "app/sheets/special_shape_page.h"
#include "app/sheets/write_base_pages.h"
#include "app/sheets/write_rep_page.h"
#include "export/animation/anim_sheet_values.h"
#include "export/sheet/glyph_animate_pages.h"
#include "platform/ui/colour_boxes.h"
#include "platform/ui/property_sheet.h"
#include "support/ui/control_placement.h"
#include "support/ui/image_for_viewing.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

using Kinds = std::set<std::string>;
const Kinds kSliders = {"slider"};
const Kinds kArrows = {"arrows"};

// The line page's button that opens its options.
constexpr int kLineOptionButton = 499;

// Whether a pair of arrows shows the dark ink of an arrow in its upper half and in its
// lower half.
bool BothArrowsInked(QWidget& arrows) {
  const QImage image = arrows.grab().toImage();
  int upper = 0, lower = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ++(y < image.height() / 2 ? upper : lower);
    }
  }
  return upper > 0 && lower > 0;
}

// What was looked at: each window or tab by its name with the kinds of control it holds
// beside edits, and every fault found.
struct Looked {
  std::map<std::string, Kinds> kinds;
  std::vector<std::string> faults;

  void At(const QWidget& window, const std::string& name) {
    for (std::string& fault : MisplacedInWindow(window, name)) faults.push_back(std::move(fault));
    if (Kinds found = KindsBesideEdits(window); !found.empty()) kinds[name] = std::move(found);
    for (QSpinBox* arrows : window.findChildren<QSpinBox*>()) {
      if (arrows->isVisible() && !BothArrowsInked(*arrows)) {
        faults.push_back(name + ": arrows " + arrows->objectName().toStdString() + " lack the ink of an arrow");
      }
    }
  }
};

// The dialogs left as pictures for a person to look at.
const std::set<int> kPictured = {179, 276};

class ControlsBesideEdits : public ShownAppTest {
 protected:
  void SetUp() override {
    ShownAppTest::SetUp();
    // Each dialog is looked at on the screen; a button named by the item is pressed in the
    // first one, to look at the dialog behind it too.
    dialogs.onShown = [this](ui::DialogWindow& d) {
      d.show();
      QCoreApplication::processEvents();
      looked.At(d, "dialog " + std::to_string(d.templateId()));
      if (kPictured.count(d.templateId())) {
        SaveImageForViewing(d.grab().toImage(), "controls_beside_edits_" + std::to_string(d.templateId()));
      }
      if (auto* button = qobject_cast<QAbstractButton*>(d.Control(press)); button && ++depth == 1) button->click();
      d.hide();
    };
  }
  void TearDown() override {
    dialogs.onShown = nullptr;
    ShownAppTest::TearDown();
  }

  // The floating windows on the screen: the button to press pressed in them, then each
  // looked at with each of its tabs in front, and closed.
  void LookAtFloatingWindows() {
    QCoreApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window == frame() || !window->isVisible() || qobject_cast<QMenu*>(window)) continue;
      if (auto* button = window->findChild<QAbstractButton*>(QStringLiteral("ctl%1").arg(press));
          button && button->isVisible()) {
        button->click();
      }
      const std::string name = WindowName(*window);
      looked.At(*window, name);
      ClickEachTab(*window, name, [&](const std::string& page) { looked.At(*window, page); });
      window->close();
    }
  }
  bool InEditor(std::initializer_list<const char*> path) {
    if (frame()->EnsureImageEditorOpen() != 1) return false;
    frame()->ActivateViewOfKind(kKindImageEditor, 0);
    return ChooseMenuItem(bar(), path);
  }

  Looked looked;
  int press = 0;  // the control id of the button to press, 0 none
  int depth = 0;
};

TEST_F(ControlsBesideEdits, InEveryDialogAndSheetTheMenusOpen) {
  const struct Item {
    const char* labels;
    std::function<bool()> open;
    std::map<std::string, Kinds> expected;  // windows and tabs with their kinds beside edits
    int press = 0;
  } items[] = {
      {"编辑 > 框 > 全体移动", [&] { return ChooseMenuItem(bar(), {"编辑", "框", "全体移动"}); }, {{"dialog 251", kArrows}}},
      {"编辑 > 框 > 排列", [&] { return ChooseMenuItem(bar(), {"编辑", "框", "排列"}); }, {{"dialog 276", kArrows}}},
      {"设置 > 参考线", [&] { return ChooseMenuItem(bar(), {"设置", "参考线"}); }, {{"dialog 150", kArrows}}},
      {"设置 > フォント分割", [&] { return ChooseMenuItem(bar(), {"设置", "フォント分割"}); }, {{"dialog 312", kArrows}}},
      {"设置 > 辞書 > 詳細設定", [&] { return ChooseMenuItem(bar(), {"设置", "辞書"}); }, {{"dialog 314", kArrows}},
       CDictFileDlg::kDetailButton},
      {"形状 > 色彩", [&] { return ChooseMenuItem(bar(), {"形状", "色彩"}); },
       {{"shapeSheetA tab 基本设置", kSliders}, {"shapeSheetA tab 颜色", kSliders}}},
      {"动画 > 基本設定 > 中央値指定オプション", [&] { return ChooseMenuItem(bar(), {"动画", "基本設定"}); },
       {{"dialog 281", kArrows},
        {"Animation tab 動作", {"arrows", "slider"}},
        {"Animation tab 特殊動作", kSliders},
        {"Animation tab ファイル", kArrows},
        {"Animation tab swfファイル", kArrows},
        {"Animation tab フォント形状補正", kSliders}},
       605},
      {"加工 > 特殊効果 > 詳細設定", [&] { return InEditor({"加工", "特殊効果", "詳細設定"}); }, {{"dialog 179", kSliders}}},
      {"加工 > カラー変更", [&] { return InEditor({"加工", "カラー変更"}); }, {{"dialog 217", kSliders}}},
      {"拡大ｳｨﾝﾄﾞｳ > 修正色の変更", [&] { return InEditor({"拡大ｳｨﾝﾄﾞｳ", "修正色の変更"}); }, {{"dialog178", kSliders}}},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.labels);
    looked = {};
    press = item.press;
    depth = 0;
    ASSERT_TRUE(item.open());
    LookAtFloatingWindows();
    for (const auto& [name, kinds] : item.expected) {
      EXPECT_EQ(looked.kinds[name], kinds) << name;
    }
    for (const std::string& fault : looked.faults) ADD_FAILURE() << fault;
  }
}

// Pages and dialogs that are part of the program but that no command opens, each in a
// sheet or on the screen of its own.
TEST(ControlsBesideEditsOnTheirOwn, InEveryPageAndDialogNoCommandOpens) {
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  Looked looked;
  dialogs.onShown = [&looked](ui::DialogWindow& d) {
    d.show();
    QCoreApplication::processEvents();
    looked.At(d, "dialog " + std::to_string(d.templateId()));
    d.hide();
  };
  CAniSheetValues values;
  const struct Page {
    const char* name;
    std::function<ui::PropertyPage*()> make;
    Kinds expected;
  } pages[] = {
      {"基礎形状", [] { return new CWriteRep; }, kSliders},
      {"基本設定", [] { return new CWriteLiteRepBaseDlg; }, kSliders},
      {"特殊形状", [] { return new CSpecialShapePage; }, kSliders},
      {"ライン", [] { return new CLinePage; }, kSliders},
      {"アウトライン", [] { return new COutlinePage; }, kSliders},
      {"スケール", [] { return new CScalePage; }, kArrows},
      {"フォーム", [] { return new CGlyphTidePageForm; }, kSliders},
      {"glyph アウトライン", [] { return new CGlyphTidePageOutline; }, kSliders},
      {"glyph カラー", [] { return new CGlyphTidePageColor; }, {"arrows", "slider"}},
      {"glyph lite カラー", [] { return new CGlyphTidePageLiteColor; }, kSliders},
      {"glyph 動作", [&values] { return new CGlyphTideAnimatePageBase(values); }, {"arrows", "slider"}},
      {"glyph lite 動作", [&values] { return new CGlyphTideAnimatePageLiteBase(values); }, {"arrows", "slider"}},
      {"glyph lite 補正", [&values] { return new CGlyphTideAnimatePageLiteFont(values); }, kSliders},
  };
  for (const Page& p : pages) {
    SCOPED_TRACE(p.name);
    ui::PropertySheet sheet("sheet", nullptr, ui::PropertySheet::ButtonRow::kNone);
    ui::PropertyPage* page = p.make();
    sheet.AddPage(page);
    sheet.show();
    QCoreApplication::processEvents();
    looked.At(sheet, p.name);
    EXPECT_EQ(looked.kinds[p.name], p.expected);
    // The line page's options open a dialog of their own.
    if (auto* options = qobject_cast<QAbstractButton*>(page->Control(kLineOptionButton));
        options && qobject_cast<CLinePage*>(page)) {
      options->click();
      EXPECT_EQ(looked.kinds["dialog 273"], kSliders);
    }
  }
  CDlg220 values220;
  values220.DoModal();
  EXPECT_EQ(looked.kinds["dialog 220"], kSliders);
  QPointer<CMonochromeDlg> monochrome = new CMonochromeDlg;
  ASSERT_TRUE(monochrome->Create());
  QCoreApplication::processEvents();
  looked.At(*monochrome->window(), "dialog 278");
  EXPECT_EQ(looked.kinds["dialog 278"], kSliders);
  delete monochrome;
  for (const std::string& fault : looked.faults) ADD_FAILURE() << fault;
}

}  // namespace
}  // namespace tmb::test
