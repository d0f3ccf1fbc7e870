#include "platform/ui/dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "platform/ui/binding_form.h"
#include "platform/ui/context_help.h"
#include "support/scripted_messages.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::ui {
namespace {

// A dialog of each kind of binding, like the pen and brush speed dialog.
class SpeedDialog : public ModalDialog {
 public:
  SpeedDialog() : ModalDialog(104, "speed") {}
  int speed = 3;
  unsigned delay = 15;
  int mode = -1;
  int change = 0;
  float factor = 1.5f;
  std::string name = "pen";

 protected:
  std::vector<Binding> Bindings() override {
    return {Slider(333, &speed, 0, 6, 334, "speed"),
            SignedEdit(334, &speed, 0, 6, "speed value"),
            UnsignedEdit(110, &delay, 0, 2000, "delay"),
            RadioGroup(561, &mode, {"none", "with", "plain"}, "pauses"),
            CheckBox(583, &change, "change"),
            FloatEdit(120, &factor, 0.0f, 5.0f, "factor"),
            TextEdit(130, &name, "name"),
            ActionButton(135, 2, "set")};
  }
};

QLineEdit* Edit(DialogWindow& d, int id) { return qobject_cast<QLineEdit*>(d.Control(id)); }

TEST(Dialogs, ControlsStartFromTheMembers) {
  test::ScriptedDialogs dialogs;
  SpeedDialog dlg;
  dialogs.Then([](DialogWindow& d) {
    EXPECT_EQ(Edit(d, 110)->text(), QStringLiteral("15"));
    EXPECT_EQ(qobject_cast<QSlider*>(d.Control(333))->value(), 3);
    EXPECT_EQ(Edit(d, 120)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(Edit(d, 130)->text(), QStringLiteral("pen"));
    for (int id = 561; id < 564; ++id) EXPECT_FALSE(qobject_cast<QRadioButton*>(d.Control(id))->isChecked());
    return kIdCancel;
  });
  EXPECT_EQ(dlg.DoModal(), kIdCancel);
  EXPECT_EQ(dialogs.shown, std::vector<int>{104});
}

TEST(Dialogs, ARangeIsCheckedAtBothEnds) {
  struct Case {
    int id;
    const char* text;
    bool accepted;
  } cases[] = {
      {110, "2000", true}, {110, "2001", false}, {110, "0", true},   {110, "-1", false}, {110, "abc", false},
      {120, "5.0", true},  {120, "5.01", false}, {120, "nan", false}, {334, "6", true}, {334, "7", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " = " << c.text);
    test::ScriptedMessages messages;
    test::ScriptedDialogs dialogs;
    SpeedDialog dlg;
    dialogs.Then([&](DialogWindow& d) {
      d.show();
      Edit(d, c.id)->setText(QString::fromLatin1(c.text));
      int result = test::ScriptedDialogs::PressOk(d);
      if (!c.accepted) {
        EXPECT_TRUE(d.isVisible());  // the dialog stays open
        EXPECT_EQ(d.focusWidget(), Edit(d, c.id));
      }
      return result ? result : kIdCancel;
    });
    EXPECT_EQ(IsAccepted(dlg.DoModal()), c.accepted);
    EXPECT_EQ(messages.ids.size(), c.accepted ? 0u : 1u);
  }
}

TEST(Dialogs, OkSavesEveryMemberAndCancelNone) {
  test::ScriptedDialogs dialogs;
  SpeedDialog dlg;
  auto edit = [](DialogWindow& d) {
    Edit(d, 110)->setText(QStringLiteral("40"));
    qobject_cast<QRadioButton*>(d.Control(562))->setChecked(true);
    qobject_cast<QCheckBox*>(d.Control(583))->setChecked(true);
    Edit(d, 130)->setText(QStringLiteral("brush"));
  };
  dialogs.Then([&](DialogWindow& d) {
    edit(d);
    d.reject();
    return kIdCancel;
  });
  dlg.DoModal();
  EXPECT_EQ(dlg.delay, 15u);
  EXPECT_EQ(dlg.mode, -1);
  EXPECT_EQ(dlg.name, "pen");
  dialogs.Then([&](DialogWindow& d) {
    edit(d);
    return test::ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.delay, 40u);
  EXPECT_EQ(dlg.mode, 1);
  EXPECT_EQ(dlg.change, 1);
  EXPECT_EQ(dlg.name, "brush");
}

TEST(Dialogs, SlidersAndTheirEditsMirrorEachOther) {
  test::ScriptedDialogs dialogs;
  SpeedDialog dlg;
  dialogs.Then([](DialogWindow& d) {
    auto* slider = qobject_cast<QSlider*>(d.Control(333));
    for (int step : {4, 5, 6}) {
      slider->setValue(step);
      EXPECT_EQ(Edit(d, 334)->text(), QString::number(step));
    }
    Edit(d, 334)->setText(QStringLiteral("2"));
    emit Edit(d, 334)->editingFinished();
    EXPECT_EQ(slider->value(), 2);
    return test::ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.speed, 2);
}

TEST(Dialogs, AnActionButtonStoresItsNumberAndEndsAsOk) {
  test::ScriptedDialogs dialogs;
  SpeedDialog dlg;
  EXPECT_EQ(dlg.m_nAction, 0);
  dialogs.Then([](DialogWindow& d) {
    qobject_cast<QPushButton*>(d.Control(135))->click();
    return d.result() == QDialog::Accepted ? kIdOk : kIdCancel;
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.m_nAction, 2);
}

}  // namespace
}  // namespace tmb::ui

// The help context F1 asks for: a control's id + 0x10000, the dialog's template id +
// 0x20000 for IDHELP and for what has no id; nothing for a widget outside every dialog.
namespace tmb::ui {
namespace {

TEST(ContextHelp, TheContextOfAControlOfADialogOrAPage) {
  int delay = 0;
  DialogWindow dialog(104, "pen", {SignedEdit(110, &delay, 0, 10, "delay"), PushButton(9, "help")}, nullptr);
  QWidget plain;
  auto* inside = new QWidget(&plain);
  struct Case {
    const char* what;
    const QWidget* widget;
    int context;
  } cases[] = {
      {"an edit", dialog.Control(110), 110 + kHelpContextControl},
      {"the help button", dialog.Control(9), 104 + kHelpContextDialog},
      {"the dialog", &dialog, 104 + kHelpContextDialog},
      {"a widget of no dialog", inside, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_NE(c.widget, nullptr);
    EXPECT_EQ(HelpContextOf(c.widget), c.context);
  }
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

TEST(ContextHelp, F1GoesToTheHelpWithTheContextAndNoFurther) {
  std::vector<int> asked;
  ContextHelp help([&](int context) { asked.push_back(context); });
  int delay = 0;
  DialogWindow dialog(104, "pen", {SignedEdit(110, &delay, 0, 10, "delay")}, nullptr);
  PressKey(dialog.Control(110), Qt::Key_F1);
  PressKey(dialog.Control(110), Qt::Key_F2);
  QWidget plain;
  PressKey(&plain, Qt::Key_F1);
  EXPECT_EQ(asked, std::vector<int>{110 + kHelpContextControl});
}

}  // namespace
}  // namespace tmb::ui
