// The toolbar and the menu bar as a user meets them: each button names its command in a
// tip and in the status bar, every menu of the menu bar has an access key of its own, and the
// buttons that act on the drawing windows do what they say.
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <map>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "resources/menus.h"
#include "resources/string_table.h"
#include "resources/toolbars.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

// The button that carries no command.
constexpr int kButtonWithoutCommand = 32834;

class ToolbarRoad : public ShownAppTest {
 protected:
  void SetUp() override {
    ShownAppTest::SetUp();
    // The idle pass that enables the buttons.
    frame()->UpdateAllActions();
  }
  QToolButton* Button(int id) const {
    QToolBar* bar = frame()->toolBar();
    for (QAction* a : bar->actions()) {
      if (!a->isSeparator() && a->data().toInt() == id) return qobject_cast<QToolButton*>(bar->widgetForAction(a));
    }
    return nullptr;
  }
};

TEST_F(ToolbarRoad, EveryButtonWithACommandShowsTheStringTablesTipAndStatusPrompt) {
  int buttons = 0;
  for (const ToolbarButton& b : MainToolbar()) {
    if (b.id == 0 || b.id == kButtonWithoutCommand) continue;
    SCOPED_TRACE(b.id);
    ++buttons;
    const QString prompt = QString::fromStdString(LoadStringText(b.id));
    ASSERT_TRUE(prompt.contains(QLatin1Char('\n'))) << "a status prompt and a tip";
    QToolButton* button = Button(b.id);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->toolTip(), prompt.section(QLatin1Char('\n'), 1));
    EXPECT_FALSE(button->toolTip().isEmpty());
    // Pointing at the button puts its prompt in the status bar.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(frame()->statusBar()->currentMessage(), prompt.section(QLatin1Char('\n'), 0, 0));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
  }
  EXPECT_EQ(buttons, 17);
}

TEST(MenuResources, NoTwoMenusOfAMenuBarShareAnAccessKey) {
  for (int menu : {kMenuMain, kMenuCharacter, kMenuPicture}) {
    std::map<QChar, std::string> keys;
    for (const MenuLine& line : FindMenuResource(menu)) {
      if (line.level != 0 || !line.text) continue;
      const QString text = QString::fromUtf8(line.text);
      const qsizetype amp = text.indexOf(QLatin1Char('&'));
      ASSERT_GE(amp, 0) << line.text;
      const auto [at, added] = keys.emplace(text.at(amp + 1).toUpper(), line.text);
      EXPECT_TRUE(added) << "menu " << menu << ": " << at->second << " and " << line.text;
    }
  }
}

TEST_F(ToolbarRoad, TheGuideButtonDrawsTheGuideGridOnWindowA) {
  CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
  ASSERT_TRUE(view);
  CCharDataFull* rec = GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  ASSERT_TRUE(rec);
  ASSERT_NE(rec->m_param[32], 0);
  ASSERT_NE(rec->m_param[33], 0);
  auto greyPixels = [view] {
    const Surface& s = view->windowSurface();
    int n = 0;
    for (int y = 0; y < s.height(); ++y) {
      for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) == 0xA0A0A0;
    }
    return n;
  };
  const int before = greyPixels();
  QToolButton* button = Button(32966);
  ASSERT_TRUE(button);
  button->click();
  EXPECT_GT(greyPixels(), before + 500);
  EXPECT_EQ(view->m_bGuidesDrawn, 1);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
