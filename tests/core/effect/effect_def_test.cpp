// An effect definition's life: defaults, files read and saved, the dialogs it shares
// values with, and the scripts the program ships.
#include "core/effect/effect_def.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "core/effect/effect_dialogs.h"
#include "platform/text/code_page.h"
#include "support/file_bytes.h"
#include "support/scripted_chooser.h"
#include "support/scripted_effect_dialogs.h"
#include "support/scripted_messages.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"
#include "support/text_file_forms.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

std::string Sjis(const std::string& utf8) { return Utf8ToSjis(utf8).value(); }
std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }
std::vector<int> Entries(const CEffectDef& def) {
  return std::vector<int>(def.m_entries.begin(), def.m_entries.begin() + def.m_nEntries);
}

class EffectDef : public testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    gWorkCanvas.Reset();
    gWorkCanvas.Init(500, 750, "", 32000, 32, 32);
    gOneTouchEffectDlg = COneTouchEffectDlg();
    gEffectDetailDlg = CEffectDetailDlg();
    gZoomDlg = CZoomDlg();
    gColorChangeDlg = CColorChangeDlg();
  }
  void TearDown() override { gWorkCanvas.Reset(); }

  // A script file (its text given in UTF-8, stored as code page 932) named by the
  // definition the way records name it: in code page 932.
  fs::path WriteScript(const std::string& name, const std::string& utf8) {
    const fs::path path = dir / fs::path(name);
    WriteFileBytes(path, Bytes(Sjis(utf8)));
    def->m_strFile = Sjis(path.string());
    return path;
  }

  TempDir dir;
  ScriptedMessages messages;
  ScriptedEffectDialogs dialogs;
  ScriptedChooser chooser;
  std::unique_ptr<CEffectDef> def = std::make_unique<CEffectDef>();
};

TEST_F(EffectDef, StartsFromItsDefaultsWithoutTouchingTheDialogs) {
  gEffectDetailDlg.m_slots[CEffectDetailDlg::kSlotOutline] = {1, 2, 3};
  CEffectDef fresh;
  EXPECT_EQ(fresh.m_nEntries, 0);
  EXPECT_EQ(fresh.m_crPaper, 0xFFFFFFu);
  EXPECT_EQ(fresh.m_colour1[54], 0xFFFFFFu);
  EXPECT_EQ(fresh.m_colour1[55], 0xFFFFFFu);
  EXPECT_EQ(fresh.m_colour1[60], 0xC0FFC0u);
  EXPECT_EQ(fresh.m_colour1[61], 0x608060u);
  EXPECT_EQ(fresh.m_colour1[62], 0x404040u);
  EXPECT_EQ(fresh.m_colour1[63], 0xFF00FFu);
  EXPECT_EQ(fresh.m_colour1[64], 0x00FF80u);
  EXPECT_EQ(fresh.m_strSuffix, "_");
  EXPECT_EQ(gEffectDetailDlg.m_slots[CEffectDetailDlg::kSlotOutline], (RgbSlot{1, 2, 3}));
  fresh.m_colour1[60] = 0x123456;
  fresh.ResetDefaults();
  EXPECT_EQ(fresh.m_colour1[60], 0xC0FFC0u);
  EXPECT_EQ(gEffectDetailDlg.m_slots[CEffectDetailDlg::kSlotOutline], (RgbSlot{0xC0, 0xFF, 0xC0}));
}

TEST_F(EffectDef, SetFileTakesTheDialogsThenParsesTheTextItHolds) {
  gEffectDetailDlg.m_nLightColouring = 42;
  gEffectDetailDlg.m_nShadowHeight = 9;
  def->m_script = Sjis("淡色化 77\r\n影\r\n");
  EXPECT_EQ(def->SetFile(Sjis("ef花.txt"), 1), 1);
  EXPECT_EQ(Entries(*def), (std::vector<int>{2, 7}));
  EXPECT_EQ(def->m_value1[2], 77) << "the file's value wins over the dialog's";
  EXPECT_EQ(def->m_value1[7], 9);
  EXPECT_EQ(def->m_region, (tmb::Rect{0, 0, 500, 750}));
  EXPECT_EQ(def->m_strFile, Sjis("ef花.txt"));
  EXPECT_EQ(def->m_nColourSource, 1);
}

// A copy takes the parsed script with the text it came from, so that a copied record
// saves the script it runs; the names and the dialog's exchange words stay its own.
TEST_F(EffectDef, CopyFromTakesTheScriptWithItsTablesAndLeavesTheNames) {
  def->m_script = Sjis("影 4 (1,2,3) ON\r\n");
  def->SetFile("x.txt", 1);
  def->m_strSuffix = "t";
  def->m_exchange = {1, 2, 3};
  def->m_ptSample = {5, 6};
  CEffectDef copy;
  copy.m_strFile = "own.txt";
  copy.CopyFrom(*def);
  copy.CopyFrom(copy);
  EXPECT_EQ(copy.m_script, def->m_script);
  EXPECT_EQ(Entries(copy), std::vector<int>{7});
  EXPECT_EQ(copy.m_colour1, def->m_colour1);
  EXPECT_EQ(copy.m_flagA, def->m_flagA);
  EXPECT_EQ(copy.m_value1, def->m_value1);
  EXPECT_EQ(copy.m_region, def->m_region);
  EXPECT_EQ(copy.m_nColourSource, 1);
  EXPECT_EQ(copy.m_ptSample, (tmb::Point{5, 6}));
  EXPECT_EQ(copy.m_strFile, "own.txt");
  EXPECT_EQ(copy.m_strSuffix, "_");
  EXPECT_EQ(copy.m_exchange, (std::array<int, 3>{}));
  // Parsed again, the copy runs what the original runs.
  copy.Parse();
  EXPECT_EQ(Entries(copy), std::vector<int>{7});
  EXPECT_EQ(copy.m_value1[7], 4);
}

TEST_F(EffectDef, ReloadReadsTheNamedFileOrKeepsWhatItHad) {
  WriteScript("ef浮彫.txt", "浮き彫り 4 ON\r\n影 2\r\n");
  EXPECT_EQ(def->Reload(1), int(Sjis("浮き彫り 4 ON\r\n影 2\r\n").size()));
  EXPECT_EQ(Entries(*def), (std::vector<int>{6, 7}));
  EXPECT_EQ(def->m_value1[6], 4);
  const std::string before = def->m_script;
  def->m_strFile = Sjis((dir / "missing.txt").string());
  EXPECT_EQ(def->Reload(1), CEffectDef::kReadFailed);
  EXPECT_EQ(def->m_script, before);
  WriteScript("big.txt", std::string(size_t(kMaxScriptChars) + 1, 'x'));
  EXPECT_EQ(def->Reload(1), CEffectDef::kReadTooLarge);
  EXPECT_EQ(def->m_script, before);
  EXPECT_EQ(Entries(*def), (std::vector<int>{6, 7}));
  WriteScript("none.txt", "影 3\r\n");
  EXPECT_EQ(def->Reload(0), 6);
  EXPECT_EQ(def->m_nEntries, 0) << "read but not parsed";
  EXPECT_TRUE(messages.ids.empty());
}

// A script file in UTF-8 reads as the code page 932 script the definition holds, also one
// whose bytes happen to be code page 932 as well.
TEST_F(EffectDef, ReloadReadsAScriptInUTF8OrCodePage932) {
  for (const TextFileForm& form : TextFileForms("浮き彫り 4 ON\r\n影 2\r\n", "影 2\r\n")) {
    SCOPED_TRACE(form.what);
    const fs::path path = dir / "ef.txt";
    WriteFileBytes(path, Bytes(form.bytes));
    def->m_strFile = Sjis(path.string());
    ASSERT_GT(def->Reload(1), 0);
    EXPECT_EQ(def->m_script, form.sjis);
    const bool written = form.read == "浮き彫り 4 ON\r\n影 2\r\n";
    EXPECT_EQ(Entries(*def), (written ? std::vector<int>{6, 7} : std::vector<int>{7}));
  }
}

TEST_F(EffectDef, TheOneTouchDialogTellsWhyAScriptCannotRun) {
  const struct {
    const char* name;
    std::string text;  // empty: no such file
    int result;
    std::vector<int> ids;
    int beeps;
  } cases[] = {
      {"missing.txt", "", -1, {61540}, 0},
      {"big.txt", std::string(size_t(kMaxScriptChars) + 10, ' '), -1, {61541}, 0},
      {"plain.txt", "これは説明だけ\r\n// 影 3\r\n", -1, {61542}, 1},
      {"long.txt", [] {
         std::string s;
         for (int i = 0; i < 203; ++i) s += "影 1\r\n";
         return s;
       }(), 1, {61543}, 0},
      {"ef.txt", "影 3\r\n", 1, {}, 0},
  };
  for (const auto& c : cases) {
    messages.ids.clear();
    messages.texts.clear();
    messages.beeps = 0;
    const fs::path path = dir / c.name;
    if (!c.text.empty()) WriteFileBytes(path, Bytes(Sjis(c.text)));
    dialogs.oneTouch = [&](COneTouchEffectDlg& d) {
      d.m_strFile = path.string();
      d.m_nAction = 1;
      return kAnswerOk;
    };
    EXPECT_EQ(def->RunOneTouchDialog(), c.result) << c.name;
    EXPECT_EQ(messages.ids, c.ids) << c.name;
    EXPECT_EQ(messages.beeps, c.beeps) << c.name;
    if (!c.ids.empty()) {
      EXPECT_NE(messages.texts[0].find(c.name), std::string::npos) << "the file is named";
    }
  }
}

TEST_F(EffectDef, TheOneTouchDialogShowsAndTakesBackTheDefinitionsChoices) {
  const fs::path script = WriteScript("ef輪郭影.txt", "輪郭抽出\r\n影 5 (0,0,0) ON\r\n");
  def->m_nColourSource = 1;
  def->m_ptSample = {7, 8};
  COneTouchEffectDlg shown;
  dialogs.oneTouch = [&](COneTouchEffectDlg& d) {
    shown = d;
    d.m_nColourSource = 0;
    d.m_nPointX = 70;
    d.m_nPointY = 80;
    d.m_strSuffix = "t";
    return kAnswerOk;
  };
  EXPECT_EQ(def->RunOneTouchDialog(), 0);
  EXPECT_EQ(shown.m_strFile, def->m_strFile);
  EXPECT_EQ(shown.m_nColourSource, 1);
  EXPECT_EQ(shown.m_nPointX, 7u);
  EXPECT_EQ(shown.m_strSuffix, "_");
  EXPECT_EQ(def->m_nColourSource, 0);
  EXPECT_EQ(def->m_ptSample, (tmb::Point{70, 80}));
  EXPECT_EQ(def->m_strSuffix, "t");
  EXPECT_EQ(Entries(*def), (std::vector<int>{1, 7}));
  // Cancel changes nothing.
  dialogs.oneTouch = [](COneTouchEffectDlg& d) {
    d.m_strFile = "other.txt";
    return kAnswerCancel;
  };
  EXPECT_EQ(def->RunOneTouchDialog(), -1);
  EXPECT_EQ(def->m_strFile, Sjis(script.string()));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(EffectDef, AFailedSaveLeavesTheOldFileAsItWas) {
  const fs::path path = dir / "ef.txt";
  WriteFileBytes(path, Bytes("old script\r\n"));
  def->m_script = std::string(4000, 'x');
  {
    SmallDisk disk(1000);
    EXPECT_EQ(def->SaveText(path.string()), -1);
  }
  EXPECT_EQ(FileBytes(path), Bytes("old script\r\n"));
  EXPECT_EQ(messages.ids, std::vector<int>{62047});
  EXPECT_EQ(messages.beeps, 1);
  size_t files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1u) << "no half-written file beside it";
  def->m_script = Sjis("影 3\r\n") + std::string(1, '\0') + "tail";
  EXPECT_EQ(def->SaveText(path.string()), 1);
  EXPECT_EQ(FileBytes(path), Bytes(Sjis("影 3\r\n"))) << "the text ends at its terminator";
}

TEST_F(EffectDef, SaveScriptAsAsksForANameOrKeepsTheOldOne) {
  def->m_script = "text";
  std::string name = Sjis((dir / "a.txt").string());
  EXPECT_EQ(def->SaveScriptAs(name, 1), 1);
  EXPECT_EQ(FileBytes(dir / "a.txt"), Bytes("text"));
  EXPECT_EQ(def->SaveScriptAs(name, 2), 0) << "the chooser was cancelled";
  EXPECT_EQ(name, Sjis((dir / "a.txt").string()));
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].filter, "(ef*.txt)|ef*.txt|(*.txt)|*.txt|(*.*)|*.*||");
  EXPECT_EQ(chooser.asked[0].fileName, "a.txt");
  chooser.Next((dir / "ef新.txt").string());
  EXPECT_EQ(def->SaveScriptAs(name, 2), 1);
  EXPECT_EQ(name, Sjis((dir / "ef新.txt").string()));
  EXPECT_EQ(FileBytes(dir / fs::u8path("ef新.txt")), Bytes("text"));
  chooser.Next((dir / "no folder" / "b.txt").string());
  EXPECT_EQ(def->SaveScriptAs(name, 2), 0);
  EXPECT_EQ(name, Sjis((dir / "ef新.txt").string())) << "the previous name is back";
}

// The data folder is only read: a script of it (named by a stored bare name or by its
// path) is saved into the user's data folder, which the definition names afterwards; the
// data folder's file stays as it was.
TEST_F(EffectDef, AScriptOfTheDataFolderIsSavedIntoTheUsersFolder) {
  const fs::path data = dir / "data", user = dir / "user";
  fs::create_directories(data);
  const fs::path shipped = data / "ef_sample1.txt";
  WriteFileBytes(shipped, Bytes("shipped\r\n"));
  gDrawState.m_szCurFolder = data.string();
  gDrawState.m_szUserFolder = user.string();
  struct Case {
    std::string stored;
    int mode;
  } cases[] = {{"ef_sample1.txt", 1}, {Sjis(shipped.string()), 1}, {Sjis(shipped.string()), 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored + " mode " + std::to_string(c.mode));
    fs::remove_all(user);
    chooser.asked.clear();
    if (c.mode == 2) chooser.Next((user / "ef_sample1.txt").string());
    def->m_script = "edited";
    std::string name = c.stored;
    ASSERT_EQ(def->SaveScriptAs(name, c.mode), 1);
    EXPECT_EQ(FileBytes(shipped), Bytes("shipped\r\n"));
    EXPECT_EQ(FileBytes(user / "ef_sample1.txt"), Bytes("edited"));
    EXPECT_EQ(name, Sjis((user / "ef_sample1.txt").string()));
    if (c.mode == 2) {
      ASSERT_EQ(chooser.asked.size(), 1u);
      EXPECT_EQ(chooser.asked[0].folder, user.string()) << "the chooser starts in the user's folder";
    }
    def->m_strFile = name;
    EXPECT_EQ(def->Reload(0), 6);
    EXPECT_EQ(def->m_script, "edited");
  }
  // A script outside the data folder is saved where it is.
  std::string other = Sjis((dir / "mine.txt").string());
  ASSERT_EQ(def->SaveScriptAs(other, 1), 1);
  EXPECT_EQ(FileBytes(dir / "mine.txt"), Bytes("edited"));
  EXPECT_EQ(other, Sjis((dir / "mine.txt").string()));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(EffectDef, EditedTextStaysWhenSavingItFails) {
  def->m_script = Sjis("影 3\r\n");
  std::string name = Sjis((dir / "no folder" / "ef.txt").string());
  EXPECT_EQ(def->EditScript(name), 0) << "cancelled";
  EXPECT_EQ(def->m_script, Sjis("影 3\r\n"));
  std::string shown;
  dialogs.script = [&](CEffectScriptDlg& d) {
    shown = d.m_strText;
    d.m_strText = Sjis("浮き彫り 4\r\n");
    d.m_nAction = 1;
    return kAnswerOk;
  };
  EXPECT_EQ(def->EditScript(name), 1);
  EXPECT_EQ(shown, Sjis("影 3\r\n"));
  EXPECT_EQ(messages.ids, std::vector<int>{62047});
  EXPECT_EQ(def->m_script, Sjis("浮き彫り 4\r\n"));
  EXPECT_EQ(Entries(*def), std::vector<int>{6}) << "the edited script is the one that runs";
  EXPECT_EQ(name, Sjis((dir / "no folder" / "ef.txt").string()));
  // OK without a save button takes the text and writes nothing.
  dialogs.script = [](CEffectScriptDlg& d) {
    d.m_strText = "x";
    return kAnswerOk;
  };
  name = Sjis((dir / "ef.txt").string());
  EXPECT_EQ(def->EditScript(name), 1);
  EXPECT_EQ(def->m_script, "x");
  EXPECT_FALSE(fs::exists(dir / "ef.txt"));
}

TEST_F(EffectDef, DetailValuesAndColoursComeFromTheDialogs) {
  CEffectDetailDlg& d = gEffectDetailDlg;
  d.m_slots[CEffectDetailDlg::kSlotOutline] = {1, 0, 0};
  d.m_slots[CEffectDetailDlg::kSlotRelief] = {2, 0, 0};
  d.m_slots[CEffectDetailDlg::kSlotStone] = {3, 0, 0};
  d.m_slots[CEffectDetailDlg::kSlotGrade1] = {4, 0, 0};
  d.m_slots[CEffectDetailDlg::kSlotGrade2] = {5, 0, 0};
  d.m_nLightColouring = 11;
  d.m_nStoneDensity = 12;
  d.m_nReliefHeight = 13;
  d.m_nShadowHeight = 14;
  d.m_nHollowWidth = 15;
  d.m_nAntiqueDensity = 6;
  d.m_nOutlineWidth = 17;
  d.m_nBlurStrength = 8;
  d.m_bReliefOutline = 1;
  d.m_bTransparentBack = 1;
  d.m_bOutlineGradient = 1;
  d.m_bReliefGradient = 1;
  d.m_bStrokeGradientWrap = 1;
  CColorChangeDlg& c = gColorChangeDlg;
  c.m_slots[CColorChangeDlg::kSlotCharacter] = {0, 1, 0};
  c.m_slots[CColorChangeDlg::kSlotPaper] = {0, 2, 0};
  c.m_slots[CColorChangeDlg::kSlotBackground] = {0, 3, 0};
  c.m_slots[CColorChangeDlg::kSlotRightClick] = {0, 4, 0};
  c.m_nRedShift = -5;
  c.m_nBlueShift = 7;
  gZoomDlg.m_nSamePercent = 150;
  gZoomDlg.m_nWidth = 320;
  gZoomDlg.m_nHeight = 240;
  gZoomDlg.m_nWidthPercent = 50;
  gZoomDlg.m_nHeightPercent = 60;
  gZoomDlg.m_nTopPercent = -20;
  gZoomDlg.m_nBottomPercent = 30;
  gZoomDlg.m_nAngle = 45;
  def->ApplyDetailValues();
  const auto& v1 = def->m_value1;
  EXPECT_EQ((std::vector<int>{v1[2], v1[3], v1[6], v1[7], v1[13], v1[27], v1[15], v1[16], v1[28]}),
            (std::vector<int>{11, 12, 13, 14, 15, 6, 8, 8, 17}));
  EXPECT_EQ((std::vector<int>{v1[40], v1[41], def->m_value2[41], v1[42], def->m_value2[42], v1[43],
                              def->m_value2[43], v1[44]}),
            (std::vector<int>{150, 320, 240, 50, 60, -20, 30, 45}));
  const auto& c1 = def->m_colour1;
  EXPECT_EQ((std::vector<tmb::Colour>{c1[28], c1[6], c1[7], c1[3], c1[29], c1[32], def->m_colour2[30]}),
            (std::vector<tmb::Colour>{1, 2, 2, 3, 4, 4, 5}));
  EXPECT_EQ((std::vector<tmb::Colour>{c1[57], c1[55], c1[54], c1[58]}),
            (std::vector<tmb::Colour>{0x100, 0x200, 0x300, 0x400}));
  EXPECT_EQ((std::vector<int>{def->m_flagT[29], def->m_flagT[30], def->m_flagT[31], def->m_flagT[32]}),
            (std::vector<int>{1, 1, 0, 0}));
  EXPECT_EQ((std::vector<int>{def->m_flagA[28], def->m_flagA[6], def->m_flagA[7], def->m_flagBG[6], def->m_flagA[21],
                              def->m_flagA[24]}),
            (std::vector<int>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(def->m_exchange, (std::array<int, 3>{-5, 0, 7}));
  // And back: the right-click colour of the zoom window goes to the fourth slot.
  gDrawState.m_crRightClick = 0x010203;
  c.m_nAction = 4;
  def->m_colour1[57] = 0xABCDEF;
  def->PushColoursToDialogs();
  EXPECT_EQ(c.m_slots[CColorChangeDlg::kSlotCharacter], (RgbSlot{0xEF, 0xCD, 0xAB}));
  EXPECT_EQ(c.m_slots[CColorChangeDlg::kSlotRightClick], (RgbSlot{3, 2, 1}));
  EXPECT_EQ(c.m_nAction, 0);
  EXPECT_EQ(c.m_nRedShift, -5);
}

TEST_F(EffectDef, TheDetailDialogChangesNothingWhenCancelled) {
  EXPECT_EQ(def->RunDetailDialog(), 0);
  EXPECT_EQ(def->m_colour1[28], 0u);
  dialogs.detail = [](CEffectDetailDlg& d) {
    d.m_slots[CEffectDetailDlg::kSlotOutline] = {9, 9, 9};
    d.m_nOutlineWidth = 4;
    return kAnswerOk;
  };
  EXPECT_EQ(def->RunDetailDialog(), 1);
  EXPECT_EQ(def->m_colour1[60], 0x090909u);
  EXPECT_EQ(def->m_colour1[28], 0x090909u);
  EXPECT_EQ(def->m_value1[28], 4);
}

TEST_F(EffectDef, TheShippedScriptsAreCodePage932WithCrLf) {
  const struct {
    const char* name;
    std::vector<int> entries;
  } scripts[] = {
      {"ef_sample1.txt", {28, 7}},
      {"ef石版浮彫.txt", {3, 6}},
      {"ef浮彫.txt", {6}},
      {"ef輪郭影.txt", {1, 7}},
  };
  for (const auto& s : scripts) {
    const fs::path path = fs::path(TMB_APP_DATA_DIR) / fs::path(s.name);
    const std::vector<uint8_t> bytes = FileBytes(path);
    ASSERT_FALSE(bytes.empty()) << s.name;
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_TRUE(SjisToUtf8(text).has_value()) << s.name;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << s.name << " byte " << i;
      }
    }
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << s.name;
    def->m_strFile = Sjis(path.string());
    EXPECT_GT(def->Reload(1), 0) << s.name;
    EXPECT_EQ(Entries(*def), s.entries) << s.name;
  }
}

}  // namespace
}  // namespace tmb::test
