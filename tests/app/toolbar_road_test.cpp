// The toolbar and the menu bar as a user meets them: each button names its command in a
// tip and in the status bar, every menu of the menu bar has an access key of its own, and the
// buttons that act on the drawing windows do what they say.
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <map>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/string_table.h"
#include "resources/toolbars.h"
#include "support/ui/toolbar_button.h"
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
  QToolButton* Button(int id) const { return ButtonOfCommand(frame()->toolBar(), id); }
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

// One press of a sheet's centring button puts the sheet in the middle of the main window,
// also the first time, when the sheet opens with it.
TEST_F(ToolbarRoad, OnePressOfTheSheetsCentringButtonCentresTheSheet) {
  for (int id : {kCmdCentreSheetA, kCmdCentreSheetB}) {
    SCOPED_TRACE(id);
    QToolButton* button = Button(id);
    ASSERT_TRUE(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    QWidget* sheet = frame()->m_pCurSheetFrame;
    ASSERT_TRUE(sheet && sheet->isVisible());
    const QPoint middle = frame()->frameGeometry().center();
    const QRect first = sheet->frameGeometry();
    // Halves of odd sizes round: a pixel either way.
    EXPECT_LE(std::abs(first.center().x() - middle.x()), 1) << first.width();
    EXPECT_LE(std::abs(first.center().y() - middle.y()), 1) << first.height();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->frameGeometry(), first) << "the second press moves it no more";
  }
}

}  // namespace
}  // namespace tmb::test
