// The codec question of a recompressed movie: the proposal shown, a quality out of range
// keeping the dialog open, and a cancel that changes nothing.
#include "app/dialogs/avi_codec_dialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "support/scripted_messages.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

using ui::DialogWindow;

TEST(AviCodecDialog, ShowsTheProposalAndHandsBackTheChoice) {
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  CAviCodecDlg dialog;
  dialogs.Then([](DialogWindow& d) {
    EXPECT_TRUE(qobject_cast<QRadioButton*>(d.Control(CAviCodecDlg::kIdCodec + 1))->isChecked());
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(CAviCodecDlg::kIdQuality))->text(), "60");
    ScriptedDialogs::Enter(d, CAviCodecDlg::kIdQuality, "101");
    EXPECT_EQ(ScriptedDialogs::PressOk(d), 0);  // out of range: the dialog stays
    ScriptedDialogs::Enter(d, CAviCodecDlg::kIdQuality, "40");
    return ScriptedDialogs::PressOk(d);
  });
  AviCodecChoice choice{tmb::AviCodec::kMotionJpeg, 60};
  ASSERT_TRUE(dialog.Choose(choice));
  EXPECT_EQ(choice.codec, tmb::AviCodec::kMotionJpeg);
  EXPECT_EQ(choice.quality, 40);

  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, CAviCodecDlg::kIdCodec);
    return ScriptedDialogs::PressOk(d);
  });
  ASSERT_TRUE(dialog.Choose(choice));
  EXPECT_EQ(choice.codec, tmb::AviCodec::kUncompressed);

  // No step: cancelled, and the choice stays.
  EXPECT_FALSE(dialog.Choose(choice));
  EXPECT_EQ(choice.codec, tmb::AviCodec::kUncompressed);
  EXPECT_EQ(choice.quality, 40);
}

}  // namespace
}  // namespace tmb::test
