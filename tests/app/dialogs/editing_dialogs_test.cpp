// The editing dialogs on their own: the region dialog's edits, recorded list and list
// box; the one-touch effect's suffix; the move and layout offsets; the file choice; the
// export settings of strokes.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <filesystem>
#include <memory>
#include <gtest/gtest.h>

#include "app/dialogs/area_setting_dialog.h"
#include "app/dialogs/effect_dialog_forms.h"
#include "app/dialogs/export_setting_dialog.h"
#include "app/dialogs/file_select_dialog.h"
#include "app/dialogs/font_mode_dialogs.h"
#include "app/window_boxes.h"
#include "core/file/file_select.h"
#include "core/state/draw_state.h"
#include "core/effect/effect_def.h"
#include "platform/text/code_page.h"
#include "platform/ui/list_rows.h"
#include "support/file_bytes.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_chooser.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"
#include "views/layout_dialogs.h"

namespace tmb::test {
namespace {

using ui::DialogWindow;

constexpr int kMsgRange = 61501;
constexpr int kMsgNoRegion = 62059;
constexpr int kMsgSuffixFolder = 61548;

QString TextOf(DialogWindow& d, int id) { return qobject_cast<QLineEdit*>(d.Control(id))->text(); }
QListWidget* ListOf(DialogWindow& d) { return qobject_cast<QListWidget*>(d.Control(CAreaSettingDlg::kList)); }
std::vector<std::string> LinesOf(DialogWindow& d) {
  std::vector<std::string> lines;
  for (int i = 0; i < ListOf(d)->count(); ++i) lines.push_back(ListOf(d)->item(i)->text().toStdString());
  return lines;
}

// A view with a region that can be changed, noting what the dialog gives it.
class FakeTarget final : public CAreaTarget {
 public:
  bool GetRegion(Rect& r) override {
    r = region;
    return valid;
  }
  void SetRegion(const Rect& r) override { given.push_back(r); }
  void SelectWhole() override { given.push_back({-1, -1, -1, -1}); }

  Rect region{10, 20, 110, 220};
  bool valid = true;
  std::vector<Rect> given;
};

class RegionDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    gAreaSettingDlg.m_pTarget = &target;
    SetAreaSettingRunner(RunAreaSettingWindow);
  }
  void TearDown() override {
    SetAreaSettingRunner(nullptr);
    gAreaSettingDlg.m_pTarget = nullptr;
    gDrawState.Reset();
  }
  // Runs the dialog on (100, 50)-(300, 200) in the image editor, step in between.
  bool Run(ScriptedDialogs::Step step) {
    dialogs.Then(std::move(step));
    Point c1{100, 50}, c2{300, 200};
    const bool ok = RunAreaSettingDialog(c1, c2, 1);
    corners = {c1.x, c1.y, c2.x, c2.y};
    return ok;
  }

  ScopedWorkCanvas canvas{500, 750};
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  FakeTarget target;
  Rect corners{};
};

TEST_F(RegionDialog, ARightEdgeLeftOfTheLeftSwapsThemAndTheEditsStayOnThePaper) {
  EXPECT_TRUE(Run([](DialogWindow& d) {
    ScriptedDialogs::Enter(d, CAreaSettingState::kRight, "40");
    EXPECT_EQ(TextOf(d, CAreaSettingState::kLeft), QStringLiteral("40"));
    EXPECT_EQ(TextOf(d, CAreaSettingState::kRight), QStringLiteral("100"));
    EXPECT_EQ(TextOf(d, CAreaSettingState::kWidth), QStringLiteral("60"));
    // A width past the paper stops at its edge.
    ScriptedDialogs::Enter(d, CAreaSettingState::kWidth, "480");
    EXPECT_EQ(TextOf(d, CAreaSettingState::kRight), QStringLiteral("500"));
    EXPECT_EQ(TextOf(d, CAreaSettingState::kWidth), QStringLiteral("460"));
    ScriptedDialogs::Enter(d, CAreaSettingState::kTop, "700");
    EXPECT_EQ(TextOf(d, CAreaSettingState::kBottom), QStringLiteral("750"));
    // A value past the paper waits for OK, which refuses it.
    ScriptedDialogs::Enter(d, CAreaSettingState::kBottom, "9999");
    EXPECT_EQ(ScriptedDialogs::PressOk(d), 0);
    ScriptedDialogs::Type(d, CAreaSettingState::kBottom, "750");
    return ScriptedDialogs::PressOk(d);
  }));
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgRange});
  EXPECT_EQ(corners, (Rect{40, 700, 500, 750}));
}

TEST_F(RegionDialog, FortyNineRegionsStayTheFiftiethDropsTheFirstAndTheListBoxFollows) {
  std::vector<Rect> recorded;
  for (int i = 0; i < 50; ++i) recorded.push_back({i, i, i + 10, i + 20});
  EXPECT_TRUE(Run([&](DialogWindow& d) {
    for (int i = 0; i < 49; ++i) {
      target.region = recorded[size_t(i)];
      ScriptedDialogs::Click(d, CAreaSettingDlg::kRecord);
    }
    EXPECT_EQ(ListOf(d)->count(), 49);
    EXPECT_EQ(LinesOf(d).front(), FormatBoxText(recorded[0]));
    target.region = recorded[49];
    ScriptedDialogs::Click(d, CAreaSettingDlg::kRecord);
    const std::vector<std::string> lines = LinesOf(d);
    EXPECT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines.front(), FormatBoxText(recorded[1]));
    EXPECT_EQ(lines.back(), FormatBoxText(recorded[49]));
    // Each line still names the region of its index: the third line takes the fourth
    // region recorded.
    ui::SelectRows(d.Control(CAreaSettingDlg::kList), {2});
    emit ListOf(d)->itemDoubleClicked(ListOf(d)->item(2));
    EXPECT_EQ(target.given.back(), recorded[3]);
    EXPECT_EQ(TextOf(d, CAreaSettingState::kLeft), QStringLiteral("3"));
    EXPECT_EQ(TextOf(d, CAreaSettingState::kHeight), QStringLiteral("20"));
    // Recording it again only beeps.
    target.region = recorded[49];
    ScriptedDialogs::Click(d, CAreaSettingDlg::kRecord);
    EXPECT_EQ(ListOf(d)->count(), 49);
    return ScriptedDialogs::PressOk(d);
  }));
  ASSERT_EQ(gDrawState.m_boxes.size(), 49u);
  EXPECT_EQ(gDrawState.m_boxes.front(), recorded[1]);
  EXPECT_EQ(messages.beeps, 1);
}

TEST_F(RegionDialog, DeletingOrDoubleClickingWithoutASelectedLineChangesNothing) {
  gDrawState.m_boxes = {{1, 1, 5, 5}, {2, 2, 6, 6}};
  EXPECT_TRUE(Run([&](DialogWindow& d) {
    EXPECT_EQ(ListOf(d)->count(), 2);
    ScriptedDialogs::Click(d, CAreaSettingDlg::kDelete);
    emit ListOf(d)->itemDoubleClicked(ListOf(d)->item(0));
    EXPECT_EQ(ListOf(d)->count(), 2);
    EXPECT_TRUE(target.given.empty());
    ui::SelectRows(d.Control(CAreaSettingDlg::kList), {0});
    ScriptedDialogs::Click(d, CAreaSettingDlg::kDelete);
    EXPECT_EQ(LinesOf(d), std::vector<std::string>{FormatBoxText({2, 2, 6, 6})});
    return ScriptedDialogs::PressOk(d);
  }));
  EXPECT_EQ(gDrawState.m_boxes, (std::vector<Rect>{{2, 2, 6, 6}}));
}

TEST_F(RegionDialog, SixtyBoxesOfTheProfileShowAsTheFortyNineNewest) {
  for (int i = 0; i < int(CDrawState::kMaxBoxes); ++i) gDrawState.m_boxes.push_back({i, 0, i + 1, 1});
  EXPECT_FALSE(Run([](DialogWindow& d) {
    const std::vector<std::string> lines = LinesOf(d);
    EXPECT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines.front(), FormatBoxText({11, 0, 12, 1}));
    return ui::kIdCancel;
  }));
  EXPECT_EQ(gDrawState.m_boxes.size(), CDrawState::kMaxBoxes) << "cancelled: the list as it was";
}

TEST_F(RegionDialog, TheButtonsTakeAndGiveTheViewsRegion) {
  target.valid = false;
  EXPECT_TRUE(Run([&](DialogWindow& d) {
    ScriptedDialogs::Click(d, CAreaSettingDlg::kRecord);
    EXPECT_EQ(ListOf(d)->count(), 0);
    ScriptedDialogs::Click(d, CAreaSettingDlg::kTakeCurrent);
    EXPECT_EQ(TextOf(d, CAreaSettingState::kLeft), QStringLiteral("100")) << "no region to take";
    target.valid = true;
    ScriptedDialogs::Click(d, CAreaSettingDlg::kTakeCurrent);
    EXPECT_EQ(TextOf(d, CAreaSettingState::kWidth), QStringLiteral("100"));
    ScriptedDialogs::Type(d, CAreaSettingState::kLeft, "30");
    ScriptedDialogs::Click(d, CAreaSettingDlg::kSetByHand);
    EXPECT_EQ(target.given.back(), (Rect{30, 20, 110, 220}));
    ScriptedDialogs::Click(d, CAreaSettingDlg::kSetWhole);
    EXPECT_EQ(TextOf(d, CAreaSettingState::kBottom), QStringLiteral("750"));
    return ScriptedDialogs::PressOk(d);
  }));
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgNoRegion});
  EXPECT_EQ(corners, (Rect{0, 0, 500, 750}));
}

class OneTouch : public ::testing::Test {
 protected:
  void SetUp() override { SetEffectDialogRunner(&gEffectDialogForms); }
  void TearDown() override { SetEffectDialogRunner(nullptr); }

  ScriptedMessages messages;
  ScriptedDialogs dialogs;
};

TEST_F(OneTouch, ASuffixNamingAFolderIsRefusedAndTheDialogStaysOpen) {
  COneTouchEffectDlg values;
  values.m_strFile = "ef1.txt";
  dialogs.Then([](DialogWindow& d) {
    EXPECT_EQ(TextOf(d, COneTouchEffectForm::kSuffix), QStringLiteral("_"));
    for (const char* bad : {"../x", "a\\b", "/"}) {
      ScriptedDialogs::Type(d, COneTouchEffectForm::kSuffix, bad);
      EXPECT_EQ(ScriptedDialogs::PressOk(d), 0) << bad;
      ScriptedDialogs::Click(d, COneTouchEffectForm::kRunOnFiles);
      EXPECT_EQ(d.result(), 0) << bad;
    }
    // An empty suffix is the batch's to ask about.
    ScriptedDialogs::Type(d, COneTouchEffectForm::kSuffix, "");
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_strSuffix, "");
  EXPECT_EQ(values.m_nAction, 0);
  EXPECT_EQ(messages.CountOf(kMsgSuffixFolder), 6);
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Type(d, COneTouchEffectForm::kSuffix, "t");
    ScriptedDialogs::Click(d, COneTouchEffectForm::kRunOnFiles);
    return d.result() == QDialog::Accepted ? ui::kIdOk : 0;
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_strSuffix, "t");
  EXPECT_EQ(values.m_nAction, 1);
}

TEST_F(OneTouch, TheScriptFileAndTheSuffixAreWideEnoughToRead) {
  COneTouchEffectDlg values;
  values.m_strFile = "eff_sample1.txt";
  std::vector<bool> readable;
  dialogs.Then([&readable](DialogWindow& d) {
    d.show();
    QCoreApplication::processEvents();
    for (int id : {COneTouchEffectForm::kFile, COneTouchEffectForm::kSuffix}) {
      auto* edit = qobject_cast<QLineEdit*>(d.Control(id));
      readable.push_back(edit && edit->width() >= edit->fontMetrics().horizontalAdvance(QStringLiteral("eff_sample1.txt")));
    }
    d.hide();
    return ui::kIdCancel;
  });
  values.DoModal();
  EXPECT_EQ(readable, (std::vector<bool>{true, true}));
}

TEST_F(OneTouch, TheScriptEditorHandsBackTheTextAndTheSaveButtonsAction) {
  CEffectScriptDlg values;
  values.m_strText = "1 \x89\x69\r\n";  // 永
  values.m_nAction = 7;
  dialogs.Then([](DialogWindow& d) { return ScriptedDialogs::PressOk(d); });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_nAction, 7) << "OK leaves the caller's preset";
  EXPECT_EQ(values.m_strText, "1 \x89\x69\r\n") << "an untouched text keeps its line ends";
  dialogs.Then([](DialogWindow& d) {
    qobject_cast<QPlainTextEdit*>(d.Control(102))->appendPlainText(QStringLiteral("2"));
    ScriptedDialogs::Click(d, 407);
    return d.result() == QDialog::Accepted ? ui::kIdOk : 0;
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_nAction, 2);
  EXPECT_EQ(values.m_strText, "1 \x89\x69\n\n2");
}

TEST_F(OneTouch, TheOpenAndEditButtonsWorkOnTheDefinitionsScript) {
  TempDir dir;
  ScriptedChooser chooser;
  const std::filesystem::path script = dir / "ef1.txt";
  WriteFileBytes(script, {'x', '\r', '\n'});
  auto def = std::make_unique<CEffectDef>();
  chooser.Next(script.string());
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, COneTouchEffectForm::kOpen);
    EXPECT_TRUE(TextOf(d, COneTouchEffectForm::kFile).endsWith(QStringLiteral("ef1.txt")));
    ScriptedDialogs::Click(d, COneTouchEffectForm::kEdit);
    return ScriptedDialogs::PressOk(d);
  });
  // The script editor, opened by the edit button, saves over the file.
  dialogs.Then([](DialogWindow& d) {
    auto* edit = qobject_cast<QPlainTextEdit*>(d.Control(102));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("x\n"));
    edit->setPlainText(QStringLiteral("輪郭抽出\n"));
    ScriptedDialogs::Click(d, 354);
    return d.result() == QDialog::Accepted ? ui::kIdOk : 0;
  });
  EXPECT_EQ(def->RunOneTouchDialog(), 0);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{222, 224}));
  EXPECT_EQ(FileBytes(script), (std::vector<uint8_t>{0x97, 0xd6, 0x8a, 0x73, 0x92, 0x8a, 0x8f, 0x6f, '\n'}));
  EXPECT_EQ(def->m_strFile, Utf8ToSjisLossy(script.string()));
  EXPECT_GT(def->m_nEntries, 0);
}

// On the standard paper the offsets still reach 10000 either way, and no further.
TEST(MoveAndLayout, OffsetsPast10000AreRefusedWhateverThePaperAndTheSpinsStopThere) {
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  ScopedWorkCanvas canvas(500, 750);
  for (ui::ModalDialog* dlg : {static_cast<ui::ModalDialog*>(&gMoveDlg), static_cast<ui::ModalDialog*>(&gLayoutDlg)}) {
    dialogs.Then([](DialogWindow& d) {
      for (int spin : {456, 457}) {
        auto* box = qobject_cast<QSpinBox*>(d.Control(spin));
        EXPECT_EQ(box->maximum(), 10000);
        EXPECT_EQ(box->minimum(), -10000);
      }
      for (int edit : {303, 262}) {
        ScriptedDialogs::Type(d, edit, "10001");
        EXPECT_EQ(ScriptedDialogs::PressOk(d), 0) << edit;
        ScriptedDialogs::Type(d, edit, "-10000");
      }
      return ScriptedDialogs::PressOk(d);
    });
    EXPECT_EQ(dlg->DoModal(), ui::kIdOk);
  }
  EXPECT_EQ(messages.CountOf(kMsgRange), 4);
  EXPECT_EQ(gMoveDlg.m_nX, -10000);
  EXPECT_EQ(gLayoutDlg.m_nMoveY, -10000);
  gMoveDlg.m_nX = gMoveDlg.m_nY = gLayoutDlg.m_nMoveX = gLayoutDlg.m_nMoveY = 0;
}

// The text-font options open their controls by mode: the text 476 only in mode 2, and a
// click on a mode button opens that mode's controls at once.
TEST(TextFontOptions, EachModeOpensItsOwnControlsAndTheTextOnlyInMode2) {
  struct Case {
    int mode;
    bool text, value, second;  // 476; 483 of mode 1; 477 of mode 2
  } cases[] = {{-1, false, false, false}, {0, false, false, false}, {1, false, true, false}, {2, true, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    ScriptedDialogs dialogs;
    CDlg267 dlg;
    dlg.m_nMode = c.mode;
    dialogs.Then([&](DialogWindow& d) {
      EXPECT_EQ(d.Control(476)->isEnabled(), c.text);
      EXPECT_EQ(d.Control(483)->isEnabled(), c.value);
      EXPECT_EQ(d.Control(477)->isEnabled(), c.second);
      return ui::kIdCancel;
    });
    dlg.DoModal();
  }
  ScriptedDialogs dialogs;
  CDlg267 dlg;
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, 305);
    EXPECT_TRUE(d.Control(476)->isEnabled());
    ScriptedDialogs::Click(d, 304);
    EXPECT_FALSE(d.Control(476)->isEnabled());
    EXPECT_TRUE(d.Control(483)->isEnabled());
    return ui::kIdCancel;
  });
  dlg.DoModal();
}

TEST(FileOptions, TheDialogEditsTheFileChoiceOnOkOnly) {
  ScriptedDialogs dialogs;
  gFileSelect.Reset();
  dialogs.Then([](DialogWindow& d) {
    EXPECT_FALSE(d.Control(CFileSelectDlg::kEmbedUsedOnlyCheck)->isEnabled());
    ScriptedDialogs::Click(d, CFileSelectDlg::kModeRadio + kSelectAtoB);
    return ui::kIdCancel;
  });
  ShowFileOptionsDialog();
  EXPECT_EQ(gFileSelect.m_nMode, kSelectAtoA_BtoB);
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, CFileSelectDlg::kModeRadio + kSelectAtoB);
    ScriptedDialogs::Check(d, CFileSelectDlg::kSettingsOnlyCheck, true);
    ScriptedDialogs::Click(d, CFileSelectDlg::kAnchorRadio);
    return ScriptedDialogs::PressOk(d);
  });
  ShowFileOptionsDialog();
  EXPECT_EQ(gFileSelect.m_nMode, kSelectAtoB);
  EXPECT_EQ(gFileSelect.m_bSettingsOnly, 1);
  EXPECT_EQ(gFileSelect.m_nAnchor, 0);
  EXPECT_EQ(gFileSelect.m_bEmbedUsedOnly, 1);
  gFileSelect.Reset();
}

TEST(ExportSettings, AnUntouchedOkPassesAndAStrokePast256IsRefused) {
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  dialogs.Then([](DialogWindow& d) { return ScriptedDialogs::PressOk(d); });
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Type(d, 659, "257");
    EXPECT_EQ(ScriptedDialogs::PressOk(d), 0);
    ScriptedDialogs::Type(d, 659, "256");
    ScriptedDialogs::Click(d, 656);
    return ScriptedDialogs::PressOk(d);
  });
  RunExportSettings();
  RunExportSettings();
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgRange});
  EXPECT_EQ(gExportSettingDlg.m_nStroke, 256);
  EXPECT_EQ(gExportSettingDlg.m_nTarget, 1);
  gExportSettingDlg = CExportSettingDlg();
}

}  // namespace
}  // namespace tmb::test
