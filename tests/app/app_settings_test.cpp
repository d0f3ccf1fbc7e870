#include "app/app_settings.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/state/draw_state.h"
#include "platform/service/profile.h"
#include "support/scripted_messages.h"

namespace {

TEST(AppSettings, EveryValueHasItsDefault) {
  tmb::MemoryProfile profile;
  CDrawState s;
  s.m_szCurFolder = "/usr/share/tamberi";
  s.m_szUserFolder = "/work/data";
  LoadProfileValues(profile, s);
  LoadAppSettings(profile, s);
  EXPECT_EQ(s.m_nPenDelayStart, 15);
  EXPECT_EQ(s.m_nPenDelay, 15);
  EXPECT_EQ(s.m_nPenSpeedStart, 2);  // "PenSpeed" 3, less one
  EXPECT_EQ(s.m_bChangeMouseSpeed, 0);
  EXPECT_EQ(s.m_nPenRestrainStart, 0);
  EXPECT_EQ(s.m_sizeCanvas, (tmb::Size{500, 750}));
  EXPECT_EQ(s.m_nMaxDataSize, 1);
  EXPECT_EQ(s.m_nStartCount, 0);
  EXPECT_EQ(s.m_nStartSetting, 1);
  EXPECT_EQ(s.m_szDrawFilePath, "/work/data");
  EXPECT_EQ(s.m_bSettingViewButton, 0);
  EXPECT_EQ(s.m_bDrawTempOriginalLine, 1);
  EXPECT_EQ(s.m_nRedrawSteps, 1);
  EXPECT_EQ(s.m_strStartFile, "(Default1)");
  EXPECT_EQ(s.m_nStartLoadMode, kStartDefault1);
  EXPECT_EQ(s.m_nSheetClearMode, 0);
  EXPECT_EQ(s.m_crBackA, 0x408060u);
  EXPECT_EQ(s.m_crBackB, 0x306038u);
  EXPECT_EQ(s.m_crBackPreview, 0xFFC080u);
  EXPECT_EQ(s.m_crBackEdit, 0x404080u);
  EXPECT_EQ(s.m_crTabletPen, 0xFF0000u);
}

TEST(AppSettings, OlderSystemsStartWithOtherPenDefaults) {
  tmb::MemoryProfile profile;
  CDrawState s;
  s.m_nWinVersion = 500;
  LoadProfileValues(profile, s);
  EXPECT_EQ(s.m_nPenSpeedStart, 0);
  EXPECT_EQ(s.m_bChangeMouseSpeed, 1);
}

TEST(AppSettings, StoredValuesAreRead) {
  tmb::MemoryProfile p;
  p.WriteInt("Data", "PenDelay", 30);
  p.WriteInt("Data", "PenSpeed", 5);
  p.WriteInt("Data", "PenRestrain", 2);
  p.WriteInt("Data", "CountV3", 9);
  p.WriteInt("Data", "StartSetting", 0);
  p.WriteString("Data", "DrawFilePath", "/home/u/chars");
  p.WriteInt("Data", "SettingViewBotton", 1);
  p.WriteInt("Data", "DrawByTempAnimation", 2);
  p.WriteInt("Data", "BackColorB", 0x123456);
  CDrawState s;
  LoadProfileValues(p, s);
  LoadAppSettings(p, s);
  EXPECT_EQ(s.m_nPenDelay, 30);
  EXPECT_EQ(s.m_nPenSpeedStart, 4);
  EXPECT_EQ(s.m_nPenRestrainStart, 2);
  EXPECT_EQ(s.m_nStartCount, 9);
  EXPECT_EQ(s.m_nStartSetting, 0);
  EXPECT_EQ(s.m_szDrawFilePath, "/home/u/chars");
  EXPECT_EQ(s.m_bSettingViewButton, 0);  // never taken from the profile
  EXPECT_EQ(s.m_nRedrawSteps, 2);
  EXPECT_EQ(s.m_crBackB, 0x123456u);
}

// The saved paper size is written at shut-down only: whatever it holds, the paper starts
// at 500 x 750.
TEST(AppSettings, ThePaperStartsStandardAndTheDataSizeIsReadWithinItsRange) {
  struct Case {
    int width, height, dataSize;
    tmb::Size size;
    int kept;
  } cases[] = {
      {640, 900, 7, {500, 750}, 4},
      {300, 3000, 0, {500, 750}, 1},
      {299, 3001, 2, {500, 750}, 2},
      {-640, 0, -1, {500, 750}, 1},
  };
  for (const Case& c : cases) {
    tmb::MemoryProfile p;
    p.WriteInt("Data", "BmpWidthV3", c.width);
    p.WriteInt("Data", "BmpHeightV3", c.height);
    p.WriteInt("Data", "MaxDataSize", c.dataSize);
    CDrawState s;
    LoadProfileValues(p, s);
    EXPECT_EQ(s.m_sizeCanvas, c.size) << c.width << " x " << c.height;
    EXPECT_EQ(s.m_nMaxDataSize, c.kept);
  }
}

// A damaged profile's pen values come within the pen dialog's ranges, and the start
// count at its largest stays there instead of wrapping below zero.
TEST(AppSettings, HostilePenValuesAndStartCountStayInRange) {
  constexpr int kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
  struct Case {
    int speed, delay, count;
    int speedStart, delayStart, countWritten;
  } cases[] = {
      {kLow, kLow, kLow, 0, 0, 1},
      {kHigh, kHigh, kHigh, 6, 2000, kHigh},
      {0, -1, -5, 0, 0, 1},
      {8, 2001, 7, 6, 2000, 8},
      {7, 2000, 0, 6, 2000, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speed);
    tmb::MemoryProfile p;
    p.WriteInt("Data", "PenSpeed", c.speed);
    p.WriteInt("Data", "PenDelay", c.delay);
    p.WriteInt("Data", "CountV3", c.count);
    CDrawState s;
    LoadProfileValues(p, s);
    EXPECT_EQ(s.m_nPenSpeedStart, c.speedStart);
    EXPECT_EQ(s.m_nPenDelayStart, c.delayStart);
    EXPECT_EQ(s.m_nPenDelay, c.delayStart);
    s.m_nPenSpeed = s.m_nPenSpeedStart;
    s.m_nPenDelay = s.m_nPenDelayStart;
    tmb::MemoryProfile out;
    SaveProfileValues(out, s);
    EXPECT_EQ(out.GetInt("Data", "CountV3", -1), c.countWritten);
    EXPECT_EQ(out.GetInt("Data", "PenSpeed", -1), c.speedStart + 1);
  }
}

TEST(AppSettings, StartModeFollowsTheStartFile) {
  struct Case {
    const char* stored;
    const char* file;
    int mode;
  } cases[] = {
      {"(Default1)", "(Default1)", kStartDefault1}, {"(Default2)", "(Default2)", kStartDefault2},
      {"", "(Default1)", kStartDefault1},           {"(default2)", "(default2)", kStartNamedFile},
      {"/home/u/start.txt", "/home/u/start.txt", kStartNamedFile},
  };
  for (const Case& c : cases) {
    tmb::MemoryProfile p;
    p.WriteString("Data", "StartLoadFileName", c.stored);
    CDrawState s;
    LoadAppSettings(p, s);
    EXPECT_EQ(s.m_strStartFile, c.file);
    EXPECT_EQ(s.m_nStartLoadMode, c.mode) << c.stored;
  }
}

TEST(AppSettings, AnOverLongFolderIsRefusedWithAMessage) {
  tmb::test::ScriptedMessages messages;
  tmb::MemoryProfile p;
  p.WriteString("Data", "DrawFilePath", std::string(5000, 'd'));
  CDrawState s;
  s.m_szUserFolder = "/work";
  LoadProfileValues(p, s);
  EXPECT_EQ(s.m_szDrawFilePath, "/work");
  EXPECT_EQ(messages.ids, std::vector<int>{61511});
}

TEST(AppSettings, ShutDownWritesEveryValueInOrder) {
  CDrawState s;
  s.m_nPenSpeed = 4;
  s.m_nPenSwitch = 0;
  s.m_nPenRestrain = 2;
  s.m_nStartCount = 41;
  s.m_sizeCanvas = {640, 900};
  s.m_crBackEdit = 0x010203;
  s.m_szDrawFilePath = "/home/u/chars";
  tmb::MemoryProfile p;
  SaveProfileValues(p, s);
  const std::vector<std::string> order = {
      "PenSpeed", "ChangeMouseSpeed", "PenDelay", "PenRestrain", "BmpWidthV3", "BmpHeightV3",
      "StartLoadFileName", "SheetClearMode", "CountV3", "StartSetting", "BackColorA", "BackColorB",
      "BackColorPreview", "BackColorEdit", "MaxDataSize", "DrawFilePath", "SettingViewBotton",
      "TabletPCDrawingPenColor", "DrawTempOriginalLine", "DrawByTempAnimation"};
  std::vector<std::string> written;
  for (const std::string& w : p.Writes()) written.push_back(w.substr(w.find('/') + 1));
  EXPECT_EQ(written, order);
  EXPECT_EQ(p.GetInt("Data", "PenSpeed", -1), 5);
  EXPECT_EQ(p.GetInt("Data", "PenRestrain", -1), 0);  // the pen switch, not the restraint
  EXPECT_EQ(p.GetInt("Data", "CountV3", -1), 42);
  EXPECT_EQ(p.GetInt("Data", "BmpWidthV3", -1), 640);
  EXPECT_EQ(p.GetInt("Data", "BackColorEdit", -1), 0x010203);
  EXPECT_EQ(p.GetString("Data", "DrawFilePath", ""), "/home/u/chars");

  // What one run writes, the next reads; but the paper, which starts standard.
  CDrawState next;
  LoadProfileValues(p, next);
  EXPECT_EQ(next.m_sizeCanvas, (tmb::Size{500, 750}));
  EXPECT_EQ(next.m_nPenSpeedStart, 4);
  EXPECT_EQ(next.m_nStartCount, 42);
}

}  // namespace
