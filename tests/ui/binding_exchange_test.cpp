// The exchange of a binding table with values a damaged record may hold: shown at the
// nearest value in range, saved back only where the user changed the control; and the
// sliders that show their position times a factor in their edit.
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

#include "platform/ui/binding_form.h"
#include "support/scripted_messages.h"

namespace tmb::ui {
namespace {

struct Values {
  int smooth = 80;      // 1..50
  int mode = 9;         // three buttons
  int direction = 999;  // -360..360
  unsigned crush = 5000;  // 0..1000
  int other = 20;       // 0..100
  int choice = 1;
};

class DamagedValues : public ::testing::Test {
 protected:
  std::vector<Binding> Table() {
    return {SignedEdit(518, &v.smooth, 1, 50, "smooth"),
            Slider(428, nullptr, 1, 50, 518, ""),
            RadioGroup(221, &v.mode, {"a", "b", "c"}, "mode"),
            SignedEdit(503, &v.direction, -360, 360, "direction"),
            ScaledSlider(189, nullptr, -72, 72, 503, 5, ""),
            UnsignedEdit(254, &v.crush, 0, 1000, "crush"),
            SignedEdit(306, &v.other, 0, 100, "other"),
            Slider(305, nullptr, 0, 100, 306, ""),
            ComboIndex(400, &v.choice, {"x", "y"}, "choice")};
  }
  QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(form.Control(id)); }
  QSlider* Bar(int id) { return qobject_cast<QSlider*>(form.Control(id)); }

  Values v;
  BindingForm form{Table()};
  test::ScriptedMessages messages;
};

TEST_F(DamagedValues, AreShownAtTheNearestValueInRangeAndARadioOfNoButtonChecksNone) {
  ASSERT_TRUE(form.UpdateData(false));
  EXPECT_EQ(Edit(518)->text(), QStringLiteral("50"));
  EXPECT_EQ(Bar(428)->value(), 50);
  EXPECT_EQ(Edit(503)->text(), QStringLiteral("360"));
  EXPECT_EQ(Bar(189)->value(), 72);
  EXPECT_EQ(Edit(254)->text(), QStringLiteral("1000"));
  EXPECT_EQ(qobject_cast<QRadioButton*>(form.Control(221))->group()->checkedId(), -1);
}

TEST_F(DamagedValues, PassValidationAndStayAsLoadedWhileTheUserLeavesThem) {
  ASSERT_TRUE(form.UpdateData(false));
  EXPECT_TRUE(form.UpdateData(true));
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(v.smooth, 80);
  EXPECT_EQ(v.mode, 9);
  EXPECT_EQ(v.direction, 999);
  EXPECT_EQ(v.crush, 5000u);
  EXPECT_EQ(v.other, 20);
}

TEST_F(DamagedValues, MovingOneSliderWritesThatValueOnly) {
  ASSERT_TRUE(form.UpdateData(false));
  Bar(428)->setValue(30);
  EXPECT_EQ(Edit(518)->text(), QStringLiteral("30"));
  ASSERT_TRUE(form.UpdateData(true));
  EXPECT_EQ(v.smooth, 30);
  EXPECT_EQ(v.mode, 9);
  EXPECT_EQ(v.direction, 999);
  EXPECT_EQ(v.crush, 5000u);
  // What was saved is the new starting point: saving again changes nothing more.
  v.smooth = 31;
  ASSERT_TRUE(form.UpdateData(true));
  EXPECT_EQ(v.smooth, 31);
}

TEST_F(DamagedValues, ATypedValueIsStillCheckedAgainstItsRange) {
  ASSERT_TRUE(form.UpdateData(false));
  Edit(518)->setText(QStringLiteral("51"));
  EXPECT_FALSE(form.UpdateData(true));
  EXPECT_EQ(messages.ids.size(), 1u);
  EXPECT_EQ(v.smooth, 80);
  qobject_cast<QRadioButton*>(form.Control(222))->setChecked(true);
  Edit(518)->setText(QStringLiteral("50"));
  ASSERT_TRUE(form.UpdateData(true));
  EXPECT_EQ(v.smooth, 50);
  EXPECT_EQ(v.mode, 1);
}

TEST_F(DamagedValues, ScaledSlidersShowTheirPositionTimesTheFactor) {
  ASSERT_TRUE(form.UpdateData(false));
  struct Case {
    const char* typed;
    int position;
  } cases[] = {{"95", 19}, {"-95", -19}, {"99", 19}, {"4", 0}, {"360", 72}};
  for (const Case& c : cases) {
    Edit(503)->setText(QString::fromLatin1(c.typed));
    emit Edit(503)->editingFinished();
    EXPECT_EQ(Bar(189)->value(), c.position) << c.typed;
  }
  Bar(189)->setValue(-72);
  EXPECT_EQ(Edit(503)->text(), QStringLiteral("-360"));
  ASSERT_TRUE(form.UpdateData(true));
  EXPECT_EQ(v.direction, -360);
}

TEST_F(DamagedValues, AChosenComboItemTellsTheForm) {
  std::vector<int> told;
  form.SetNotifyHandler([&](int id, Notify code) {
    if (code == Notify::kClicked) told.push_back(id);
  });
  ASSERT_TRUE(form.UpdateData(false));
  auto* combo = qobject_cast<QComboBox*>(form.Control(400));
  combo->setCurrentIndex(0);
  emit combo->activated(0);
  EXPECT_EQ(told, std::vector<int>{400});
  ASSERT_TRUE(form.UpdateData(true));
  EXPECT_EQ(v.choice, 0);
}

}  // namespace
}  // namespace tmb::ui
