// The style menus in the running application: the style file beside the program gives the
// menu bar of a drawing window its style menu, and choosing a style hands it to the drawing
// view's style command.
#include <QMenu>
#include <QMenuBar>
#include <filesystem>
#include <fstream>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/settings/style_menus.h"
#include "convert/presets/style_def_source.h"
#include "convert/presets/style_def_tree.h"
#include "core/file/char_file_services.h"
#include "core/record/char_slots.h"
#include "platform/text/code_page.h"
#include "resources/menus.h"
#include "support/temp_dir.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

// The texts of menu's lines, a popup followed by its own lines in brackets.
std::string Lines(const QMenu& menu) {
  std::string out;
  for (QAction* a : menu.actions()) {
    if (!out.empty()) out += " ";
    if (a->isSeparator()) {
      out += "-";
    } else if (a->menu()) {
      out += a->text().toStdString() + "[" + Lines(*a->menu()) + "]";
    } else {
      out += a->text().toStdString();
    }
  }
  return out;
}

class StyleMenus : public AppTest {
 protected:
  void TearDown() override {
    AppTest::TearDown();
    gStyleDefRoot.Clear();
    SetStyleDefSource(nullptr);
  }
  QMenu* StyleMenu() const { return frame()->menuBar()->findChild<QMenu*>(QStringLiteral("styleMenu")); }
};

TEST_F(StyleMenus, TheShippedStylesAppearInTheMenuBarAndGoToTheViewWhenChosen) {
  ASSERT_TRUE(Start());
  ShowAndPaint();
  ASSERT_EQ(frame()->currentMenu(), kMenuCharacter);
  QMenu* styles = StyleMenu();
  ASSERT_TRUE(styles);
  EXPECT_EQ(Lines(*styles), "楷書風 行書風 草書風 - 太さ[細字 太字] 比較[基本 太さ]");
  // The second menu of the bar, once.
  const QList<QAction*> tops = frame()->menuBar()->actions();
  ASSERT_EQ(tops.size(), 9);
  EXPECT_EQ(tops[1]->menu(), styles);
  EXPECT_EQ(tops[1]->text(), QStringLiteral("字体(&S)"));
  EXPECT_EQ(tops[0]->text(), QStringLiteral("文件(&F)"));
  // The file's version is the style selection of both windows and of every record read.
  for (int kind : {kKindDrawA, kKindDrawB}) EXPECT_EQ(GetCharDocumentOfKind(kind)->DrawnRecord()->m_param[382], 1);
  EXPECT_EQ(FileDialogs().StyleSelection(), 1);
  // Choosing a style applies it to the current window's record; with the record's keep
  // switch (380) its values stay, whatever the defaults the style starts from say.
  frame()->ActivateViewOfKind(kKindDrawB, 0);
  CCharDataFull& recA = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  CCharDataFull& recB = *GetCharDocumentOfKind(kKindDrawB)->DrawnRecord();
  const int32_t cursiveA = recA.m_param[0];
  gCharSlots[0].m_param[380] = 0;
  recB.m_param[380] = 1;
  recB.m_param[3] = 77;
  ASSERT_TRUE(frame()->QueryCommand(1002).enabled());
  ASSERT_TRUE(frame()->ExecuteCommand(1002));  // 草書風: 崩し 80 over 行書風 over 楷書風
  EXPECT_EQ(gStyleDefRoot.m_nCurClass, 2);
  EXPECT_EQ(recB.m_param[0], 80);
  EXPECT_EQ(recB.m_param[1], 30);
  EXPECT_EQ(recB.m_param[3], 100);
  EXPECT_EQ(recB.m_param[381], 2);
  EXPECT_EQ(recB.m_param[382], 1);
  EXPECT_EQ(recA.m_param[0], cursiveA);
  EXPECT_TRUE(frame()->QueryCommand(1002).checked());
  EXPECT_FALSE(frame()->QueryCommand(1000).checked());
  // Without the keep switch the record shows the style once and keeps its own values.
  gCharSlots[0].m_param[380] = 1;
  recB.m_param[380] = 0;
  recB.m_param[3] = 77;
  ASSERT_TRUE(frame()->ExecuteCommand(1003));
  EXPECT_EQ(recB.m_param[3], 77);
  EXPECT_EQ(recB.m_param[381], 3);
  // A table item chooses the table whose styles a comparison goes through, then runs the
  // style command 1 (whose preset, with the keep switch on, stays in the record).
  recB.m_param[380] = 1;
  ASSERT_TRUE(frame()->ExecuteCommand(2001));
  EXPECT_EQ(gStyleDefRoot.m_nCurTable, 1);
  EXPECT_EQ(recB.m_param[3], 6);
  EXPECT_EQ(recB.m_param[2], 10);
  EXPECT_EQ(StyleDefs().StyleCount(), 2);
  EXPECT_TRUE(frame()->QueryCommand(2001).checked());
  // Ids that no line of the file carries stay disabled.
  EXPECT_FALSE(frame()->QueryCommand(1005).enabled());
  EXPECT_FALSE(frame()->QueryCommand(2002).enabled());

  // A menu bar loaded again gets the styles once, at the next paint of the drawing window
  // in front, however often it paints.
  frame()->LoadMenu(kMenuMain);
  frame()->LoadMenu(kMenuCharacter);
  FlushDeletes();
  EXPECT_EQ(frame()->menuBar()->findChildren<QMenu*>(QStringLiteral("styleMenu")).size(), 0);
  for (int i = 0; i < 2; ++i) {
    CTmbView* front = CTmbView::ViewOfKind(kKindCurrentDraw);
    ASSERT_TRUE(front);
    front->OnUpdate();
    front->area()->viewport()->repaint();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(frame()->menuBar()->findChildren<QMenu*>(QStringLiteral("styleMenu")).size(), 1);
  EXPECT_EQ(frame()->menuBar()->actions().size(), 9);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(StyleMenus, ADamagedStyleFileKeepsTheStylesBeforeTheDamageWithOneMessage) {
  TempDir dir;
  fs::create_directories(dir / "bin");
  fs::create_directory_symlink(TMB_BUILD_DIR "/data", dir / "bin" / "data");
  std::ofstream(dir / "bin" / "style_def.dat", std::ios::binary)
      << Utf8ToSjisLossy("<class \"一\"></class>\n<class \"二\"></class>\n<menu \"m\"> 一 二 </menu>\n</table>\n"
                         "<class \"三\"></class>");
  theApp.SetProgramFile((dir / "bin" / "tamberi").string());
  ASSERT_TRUE(Start());
  ShowAndPaint();
  ASSERT_EQ(messages.ids, std::vector<int>{61576});
  EXPECT_NE(messages.texts[0].find("line 4"), std::string::npos);
  EXPECT_NE(messages.texts[0].find((dir / "bin" / "style_def.dat").string()), std::string::npos);
  ASSERT_TRUE(StyleMenu());
  EXPECT_EQ(Lines(*StyleMenu()), "一 二");
  EXPECT_EQ(FileDialogs().StyleSelection(), std::nullopt);
}

}  // namespace
}  // namespace tmb::test
