// The controls the dialogs grew beyond plain edits: radio buttons with listed ids, spins
// tied to an edit, lists, frames, swatches, buttons that stay open, and modeless boxes.
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "platform/ui/dialog.h"
#include "support/scripted_messages.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::ui {
namespace {

using test::ScriptedDialogs;

class ControlsDialog : public ModalDialog {
 public:
  ControlsDialog() : ModalDialog(179, "controls") {}
  int slot = 3;
  unsigned width = 40;
  std::vector<std::string> lines = {"(   1,   2)-(   3,   4)", "second"};
  Colour colour = MakeRgb(0, 0, 255);
  std::vector<int> told;
  bool disable = false;

 protected:
  std::vector<Binding> Bindings() override {
    return {RadioButtons({132, 133, 137, 268, 269}, &slot, {"a", "b", "c", "d", "e"}, "set"),
            UnsignedEdit(102, &width, 1, 500, "width"),
            SpinButton(172, 102, 1, 500),
            ListBox(350, &lines, "boxes"),
            GroupFrame(252, "frame"),
            Swatch(104, [this] { return colour; }, "swatch"),
            PushButton(226, "colour box"),
            ActionButton(293, 1, "change")};
  }
  void OnInitDialog(DialogWindow& window) override {
    if (!disable) return;
    window.setWindowTitle(QStringLiteral("other caption"));
    window.EnableControl(252, false);
    window.EnableControl(137, false);
  }
  void OnNotify(DialogWindow&, int id, Notify code) override {
    if (code == Notify::kClicked) told.push_back(id);
  }
};

TEST(DialogControls, RadioButtonsWithListedIdsExchangeTheirIndex) {
  ScriptedDialogs dialogs;
  ControlsDialog dlg;
  dialogs.Then([](DialogWindow& d) {
    EXPECT_TRUE(qobject_cast<QRadioButton*>(d.Control(268))->isChecked());
    EXPECT_EQ(d.Control(134), nullptr);
    ScriptedDialogs::Click(d, 137);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.slot, 2);
  EXPECT_EQ(dlg.told, std::vector<int>{137});
}

TEST(DialogControls, ASpinAndItsEditFollowEachOtherWithinTheSpinsRange) {
  ScriptedDialogs dialogs;
  ControlsDialog dlg;
  dialogs.Then([](DialogWindow& d) {
    auto* spin = qobject_cast<QSpinBox*>(d.Control(172));
    EXPECT_EQ(spin->value(), 40);
    spin->stepBy(1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(102))->text(), QStringLiteral("41"));
    ScriptedDialogs::Enter(d, 102, QStringLiteral("300"));
    EXPECT_EQ(spin->value(), 300);
    spin->setValue(900);
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(102))->text(), QStringLiteral("500"));
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.width, 500u);
}

TEST(DialogControls, AButtonThatActsLeavesTheDialogOpenAndTheListShowsItsLines) {
  ScriptedDialogs dialogs;
  ControlsDialog dlg;
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, 226);
    EXPECT_NE(d.result(), QDialog::Accepted);
    auto* list = qobject_cast<QListWidget*>(d.Control(350));
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("(   1,   2)-(   3,   4)"));
    return kIdCancel;
  });
  EXPECT_EQ(dlg.DoModal(), kIdCancel);
  EXPECT_EQ(dlg.told, std::vector<int>{226});
}

TEST(DialogControls, OnInitDialogMayDisableControlsAndSetTheCaption) {
  ScriptedDialogs dialogs;
  ControlsDialog dlg;
  dlg.disable = true;
  dialogs.Then([](DialogWindow& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("other caption"));
    EXPECT_FALSE(d.Control(252)->isEnabled());
    EXPECT_FALSE(d.Control(137)->isEnabled());
    EXPECT_TRUE(d.Control(133)->isEnabled());
    return kIdCancel;
  });
  dlg.DoModal();
}

TEST(DialogControls, ASwatchIsPaintedAllOverInItsColourRedInTheLowByte) {
  ScriptedDialogs dialogs;
  ControlsDialog dlg;
  dlg.colour = 0x0000FF;
  dialogs.Then([](DialogWindow& d) {
    QWidget* swatch = d.Control(104);
    const QImage image = swatch->grab().toImage();
    EXPECT_GT(image.width() * image.height(), 0);
    QDir().mkpath(QStringLiteral(TMB_BUILD_DIR "/pictures"));
    image.save(QStringLiteral(TMB_BUILD_DIR "/pictures/swatch_0000ff.png"));
    int others = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) others += image.pixel(x, y) != qRgb(255, 0, 0);
    }
    EXPECT_EQ(others, 0) << "every pixel pure red: no text, no frame";
    return kIdCancel;
  });
  dlg.DoModal();
}

TEST(DialogControls, OkAfterAnEarlierActionHandsNoAction) {
  ScriptedDialogs dialogs;
  ControlsDialog dlg;
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, 293);
    return d.result() == QDialog::Accepted ? kIdOk : kIdCancel;
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.m_nAction, 1);
  dialogs.Then([](DialogWindow& d) { return ScriptedDialogs::PressOk(d); });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.m_nAction, 0);
}

class Box : public ModelessDialog {
 public:
  Box() : ModelessDialog(278, "box") {}
  unsigned value = 7;
  int* oks = nullptr;
  int* cancels = nullptr;

 protected:
  std::vector<Binding> Bindings() override { return {UnsignedEdit(102, &value, 1, 10, "value")}; }
  void OnOK() override { ++*oks; }
  void OnCancel() override { ++*cancels; }
};

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

TEST(DialogControls, AModelessBoxStaysOpenAndDeletesItselfWhenClosed) {
  test::ScriptedMessages messages;
  int oks = 0, cancels = 0;
  QPointer<Box> box = new Box;
  box->oks = &oks;
  box->cancels = &cancels;
  ASSERT_TRUE(box->Create());
  EXPECT_FALSE(box->Create()) << "one window at a time";
  DialogWindow* window = box->window();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  qobject_cast<QLineEdit*>(window->Control(102))->setText(QStringLiteral("11"));
  window->accept();
  EXPECT_TRUE(window->isVisible()) << "a bad value keeps the box open";
  EXPECT_EQ(messages.ids, std::vector<int>{61501});
  qobject_cast<QLineEdit*>(window->Control(102))->setText(QStringLiteral("9"));
  window->accept();
  EXPECT_EQ(oks, 1);
  EXPECT_EQ(box->value, 9u);
  FlushDeletes();
  EXPECT_TRUE(box.isNull()) << "the box went with its window";

  box = new Box;
  box->oks = &oks;
  box->cancels = &cancels;
  box->Create();
  box->window()->close();
  FlushDeletes();
  EXPECT_EQ(cancels, 1);
  EXPECT_TRUE(box.isNull());

  // Deleted by its owner while shown, the box takes its window along.
  box = new Box;
  box->Create();
  QPointer<DialogWindow> shown = box->window();
  delete box.data();
  EXPECT_TRUE(shown.isNull());
}

}  // namespace
}  // namespace tmb::ui
