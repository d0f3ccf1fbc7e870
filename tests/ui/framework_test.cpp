#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/service/clock.h"
#include "platform/service/profile.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/file_chooser_dialogs.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/timers.h"
#include "platform/ui/view.h"
#include "platform/ui/wait_cursor_service.h"
#include "support/scripted_messages.h"

namespace tmb::ui {
namespace {

TEST(Framework, FiltersBecomeTheDialogsOwn) {
  struct Case {
    const char* filter;
    const char* converted;
  } cases[] = {
      {"(*.wdf)|*.wdf|(*.*)|*.*||", "Character data (*.wdf);;All files (*)"},
      {"Pictures|*.bmp;*.png||", "Pictures (*.bmp *.png)"},
      {"(*.bmp)|*.bmp|(*.png)|*.png|(*.swf)|*.swf||", "BMP picture (*.bmp);;PNG picture (*.png);;SWF movie (*.swf)"},
      {"(*.bmp;*.png;*.jpg;)|*.bmp;*.png;*.jpg;||", "Pictures (*.bmp *.png *.jpg)"},
      {"(ef*.txt)|ef*.txt|(*.xyz)|*.xyz||", "Text (ef*.txt);;(*.xyz) (*.xyz)"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ConvertFilter(c.filter), QString::fromUtf8(c.converted)) << c.filter;
}

TEST(Framework, ADocumentGoesWithItsLastView) {
  QPointer<Document> doc = new Document;
  auto* a = new View(doc, 1);
  auto* b = new View(doc, 2);
  EXPECT_EQ(doc->views().size(), 2u);
  delete a;
  EXPECT_FALSE(doc.isNull());
  delete b;
  EXPECT_TRUE(doc.isNull());
}

TEST(Framework, ATemplateOpensAFrameInTheMainWindowAndLeavesNothingOnFailure) {
  MainFrame main(nullptr);
  int views = 0;
  DocTemplate good(0, "", [] { return new Document; }, [](Document* d) { return new ChildFrame(d); },
                   [&](Document* d, QWidget* parent) {
                     ++views;
                     return new View(d, 1, parent);
                   });
  QPointer<Document> doc = good.OpenNew(main);
  ASSERT_FALSE(doc.isNull());
  EXPECT_EQ(views, 1);
  ASSERT_EQ(main.ChildFrames().size(), 1u);
  EXPECT_EQ(main.ActiveChildFrame()->activeView(), doc->views().front());

  QPointer<Document> orphan;
  DocTemplate bad(0, "", [&] { return orphan = new Document; }, [](Document* d) { return new ChildFrame(d); },
                  [](Document*, QWidget*) -> View* { return nullptr; });
  EXPECT_EQ(bad.OpenNew(main), nullptr);
  EXPECT_TRUE(orphan.isNull());
  EXPECT_EQ(main.ChildFrames().size(), 1u);
}

class RangePage : public PropertyPage {
 public:
  RangePage(int id) : PropertyPage(id, "page") {}
  int value = 5;
  int oks = 0, cancels = 0;
  void OnOK() override { ++oks; }
  void OnCancel() override { ++cancels; }

 protected:
  std::vector<Binding> Bindings() override { return {SignedEdit(100, &value, 0, 10, "value")}; }
};

TEST(Framework, APageWithABadValueKeepsTheFront) {
  test::ScriptedMessages messages;
  PropertySheet sheet("sheet");
  auto* first = new RangePage(1);
  auto* second = new RangePage(2);
  sheet.AddPage(first);
  sheet.AddPage(second);
  ASSERT_EQ(sheet.ActiveIndex(), 0);
  qobject_cast<QLineEdit*>(first->Control(100))->setText(QStringLiteral("11"));
  EXPECT_FALSE(sheet.SetActivePage(1));
  EXPECT_EQ(sheet.ActiveIndex(), 0);
  EXPECT_EQ(messages.ids, std::vector<int>{61501});
  qobject_cast<QLineEdit*>(first->Control(100))->setText(QStringLiteral("10"));
  EXPECT_TRUE(sheet.SetActivePage(1));
  EXPECT_EQ(first->value, 10);
  EXPECT_TRUE(sheet.PressOk());
  EXPECT_EQ(first->oks, 1);
  EXPECT_EQ(second->oks, 1);
  sheet.PressCancel();
  EXPECT_EQ(first->cancels, 1);
}

TEST(Framework, ASheetWithoutButtonRowStillSwitchesAndConfirmsPages) {
  test::ScriptedMessages messages;
  PropertySheet sheet("sheet", nullptr, PropertySheet::ButtonRow::kNone);
  EXPECT_TRUE(sheet.findChildren<QPushButton*>().isEmpty());
  auto* first = new RangePage(1);
  auto* second = new RangePage(2);
  sheet.AddPage(first);
  sheet.AddPage(second);
  qobject_cast<QLineEdit*>(first->Control(100))->setText(QStringLiteral("7"));
  EXPECT_TRUE(sheet.SetActivePage(1));
  EXPECT_EQ(first->value, 7);
  EXPECT_TRUE(sheet.Apply());
  EXPECT_EQ(first->oks + second->oks, 2);
}

class ManualTimers final : public TimerService {
 public:
  void Set(const void* owner, int id, int, std::function<void()> tick) override { set[{owner, id}] = tick; }
  void Kill(const void* owner, int id) override { set.erase({owner, id}); }
  bool IsSet(const void* owner, int id) const override { return set.count({owner, id}) != 0; }
  std::map<std::pair<const void*, int>, std::function<void()>> set;
};

TEST(Framework, TimersAreSetRestartedAndKilled) {
  int owner = 0;
  int ticks = 0;
  Timers().Set(&owner, 1, 5, [&] { ++ticks; });
  EXPECT_TRUE(Timers().IsSet(&owner, 1));
  EXPECT_FALSE(Timers().IsSet(&owner, 2));
  QElapsedTimer waited;
  waited.start();
  while (ticks == 0 && waited.elapsed() < 2000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_GT(ticks, 0);
  Timers().Kill(&owner, 1);
  EXPECT_FALSE(Timers().IsSet(&owner, 1));

  ManualTimers manual;
  SetTimerService(&manual);
  Timers().Set(&owner, 1, 5000, [&] { ticks = -1; });
  manual.set.begin()->second();
  EXPECT_EQ(ticks, -1);
  SetTimerService(nullptr);
}

TEST(Framework, WaitCursorsNest) {
  WaitCursorService cursors;
  SetCursorService(&cursors);
  {
    WaitCursor outer;
    WaitCursor inner;
    EXPECT_EQ(cursors.depth(), 2);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(cursors.depth(), 0);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  cursors.EndWait();  // an end without a begin is harmless
  SetCursorService(nullptr);
}

class StepClock final : public Clock {
 public:
  uint32_t Milliseconds() override { return now; }
  uint32_t now = 0;
};

TEST(Framework, TheClockCanBeMovedByHand) {
  StepClock clock;
  SetClock(&clock);
  clock.now = 10000;
  EXPECT_EQ(TickCount(), 10000u);
  SetClock(nullptr);
  uint32_t a = TickCount();
  uint32_t b = TickCount();
  EXPECT_LE(a, b);
}

TEST(Framework, MemoryProfileReadsBackWhatWasWritten) {
  MemoryProfile p;
  p.WriteInt("Data", "A", -5);
  p.WriteString("Data", "B", "text");
  p.WriteString("Data", "C", "12x");
  EXPECT_EQ(p.GetInt("Data", "A", 0), -5);
  EXPECT_EQ(p.GetString("Data", "B", ""), "text");
  EXPECT_EQ(p.GetInt("Data", "C", 7), 7);
  EXPECT_EQ(p.GetInt("Other", "A", 3), 3);
  EXPECT_EQ(p.Writes(), (std::vector<std::string>{"Data/A", "Data/B", "Data/C"}));
}

}  // namespace
}  // namespace tmb::ui
