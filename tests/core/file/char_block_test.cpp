#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/file/char_block_format.h"
#include "core/file/char_file_services.h"
#include "core/file/file_select.h"
#include "core/record/char_data_full.h"
#include "platform/file/binary_file.h"
#include "platform/file/little_endian.h"
#include "support/char_file_fixture.h"
#include "support/file_bytes.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const char kKanji[] = "\x8A\xBF\x8E\x9A";    // 漢字
const char kHanami[] = "\x89\xD4\x8C\xA9";   // 花見

class CharBlock : public CharFileTest {
 protected:
  // Writes record as block part of a new file and returns the file's bytes.
  Bytes Write(CCharDataFull& record, int part = 1) {
    const fs::path path = dir / "written.wdf";
    BinaryFile file;
    EXPECT_TRUE(file.Open(path, BinaryFile::Mode::kCreate));
    EXPECT_EQ(record.WriteBlock(file, part), 1);
    EXPECT_TRUE(file.Close());
    return FileBytes(path);
  }
};

// A record as a user leaves it: strokes with pressures, settings, texts and a picture.
void FillRecord(CCharDataFull& r) {
  SetPoints(r, {{10, 20, 1, 50}, {-5, 700, 0, -1}, {400, 30, 1, 100}, {401, 31, 0, 0}});
  for (int k = 0; k < kParamCount; ++k) r.m_param[k] = k * 1000 - 3;
  r.m_param[50] = 3;
  r.m_param[200] = 0x1234;
  r.m_param[115] = 1;
  r.m_param[116] = 0;
  r.m_text = {"ef.txt", "ani", "", "", "", kKanji, "", "", "", ""};
  r.m_effect.m_script = "(1) 255 0 0";
  r.m_valueTable[0] = 7;
  r.m_valueTable[1] = -8;
  r.m_valueTable[2] = 9;
}

TEST_F(CharBlock, ABlockWrittenNowMatchesTheLayoutByteForByte) {
  CCharDataFull r;
  FillRecord(r);
  const fs::path picture = WriteBytes("back.bmp", BmpBytes());
  r.m_picturePath = {picture.string(), (dir / "unused.png").string()};
  const Bytes written = Write(r);

  WdfBlock expected;
  expected.r4 = 0x34;
  expected.points = {{10, 20, 1, 50}, {-5, 700, 0, -1}, {400, 30, 1, 100}, {401, 31, 0, 0}};
  for (int k = 0; k < kParamCount; ++k) expected.params[k] = r.m_param[k];
  expected.texts = {"ef.txt", "ani", "", "", "", kKanji};
  expected.script = "(1) 255 0 0";
  expected.picture1 = {0, BmpBytes()};
  expected.picture2 = {-1, {}};  // its switch is off and only pictures in use go in
  expected.valueTable = {7, -8, 9};
  EXPECT_EQ(written, BuildWdfBlock(expected));

  // The fixed places, spelled out.
  ASSERT_GT(written.size(), 2100u);
  const Bytes head(written.begin(), written.begin() + 32);
  const Bytes magic = {'T', 'A', 'M', 'B', 'E', 'R', 'I', ' ', 'D', 'A', 'T', 'A', ' ', 'F', 'I', 'L', 'E',
                       ' ', '2', '.', '2', 0, 0, 0, 4, 0, 1, 28, 0, 0x34, 1, 0};
  EXPECT_EQ(head, magic);
  EXPECT_EQ(LoadU16(&written[32]), 4);  // points
  EXPECT_EQ(LoadU16(&written[34]), 2);  // strokes
  EXPECT_EQ(LoadU32(&written[36]), 0u);
  EXPECT_EQ(static_cast<int32_t>(LoadU32(&written[40 + 4 * 7])), 6997);
  EXPECT_EQ(LoadU32(&written[2088]), 12u);  // "ef.txt" in UTF-16
  // Texts of 12 + 6 + 0 + 0 + 0 + 4 bytes with their lengths, then the zero gap.
  const size_t paper = 2088 + 6 * 4 + 12 + 6 + 4 + 468;
  EXPECT_EQ(LoadU16(&written[paper]), 500);
  EXPECT_EQ(LoadU16(&written[paper + 2]), 750);
  EXPECT_EQ(static_cast<int16_t>(LoadU16(&written[paper + 4 + 2])), -5);  // x of point 1
  // The second block of a file says it is not the first part.
  const Bytes second = Write(r, 2);
  EXPECT_EQ(LoadU16(&second[30]), 0);
}

TEST_F(CharBlock, WriteThenReadKeepsEverythingAFileHolds) {
  CCharDataFull r;
  FillRecord(r);
  r.m_pPoints[1].x = 5;  // a point left of the paper would be moved back onto it
  r.m_param[223] = 5;  // the reader raises it to at least 1 and clears 233
  r.m_param[233] = 0;
  r.m_param[116] = 1;
  r.m_param[26] = 3;
  r.m_text[kTextFolder] = "\x83\x74\x83\x48\x83\x8b\x83\x5f";  // フォルダ
  r.m_effect.m_script = std::string("(2) ") + kHanami;
  r.m_textSettings[0].m_strText = kKanji;
  r.m_textSettings[0].m_nCellSize = 96;
  const fs::path bmp = WriteBytes("a.BMP", BmpBytes());
  const fs::path png = WriteBytes("b.data", PngBytes());  // no extension: the bytes tell
  r.m_picturePath = {bmp.string(), png.string()};
  const Bytes written = Write(r);
  const fs::path path = WriteBytes("round.wdf", written);

  CCharDataFull back;
  SetPoints(back, {{1, 1, 1, -1}});
  ASSERT_EQ(ReadFile(back, path), 1);
  EXPECT_EQ(RecordPoints(back), RecordPoints(r));
  EXPECT_EQ(back.m_param, r.m_param);
  for (int i : {0, 1, 2, 5}) EXPECT_EQ(back.m_text[i], r.m_text[i]) << i;
  EXPECT_EQ(back.m_effect.m_script, r.m_effect.m_script);
  EXPECT_EQ(back.m_textSettings[0].m_strText, kKanji);
  EXPECT_EQ(back.m_textSettings[0].m_nCellSize, 96);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(back.m_valueTable[i], r.m_valueTable[i]);
  EXPECT_EQ(back.m_bModified, 0);
  // The pictures come back as temporary files of the right kind, named by texts 3 and 4.
  const std::string t1 = back.m_tempPictures.Path(0), t2 = back.m_tempPictures.Path(1);
  EXPECT_EQ(back.m_text[kTextPicture1], t1);
  EXPECT_EQ(back.m_text[kTextPicture2], t2);
  EXPECT_EQ(fs::path(t1).extension(), ".bmp");
  EXPECT_EQ(fs::path(t2).extension(), ".png");
  EXPECT_EQ(FileBytes(t1), BmpBytes());
  EXPECT_EQ(FileBytes(t2), PngBytes());
  EXPECT_EQ(fs::path(t1).parent_path(), fs::temp_directory_path());
  EXPECT_EQ(fs::path(t1).filename().string().rfind("tmbt", 0), 0u);
  // The record owns them: a later read of a block without pictures removes them.
  r.m_picturePath = {"", ""};
  ASSERT_EQ(ReadFile(back, WriteBytes("plain.wdf", Write(r))), 1);
  EXPECT_FALSE(fs::exists(t1));
  EXPECT_FALSE(fs::exists(t2));
  EXPECT_TRUE(back.m_text[kTextPicture1].empty());
}

TEST_F(CharBlock, PicturesAreTypedByTheirBytes) {
  struct Case {
    const char* name;
    Bytes bytes;
    int32_t type;  // -1: written as absent
  } cases[] = {
      {"upper.JPG", JpegBytes(), 1}, {"long.jpeg", JpegBytes(), 1}, {"p.PNG", PngBytes(), 2},
      {"a.gif", GifBytes(), -1},     {"fake.bmp", {'x', 'y'}, -1},  {"empty.bmp", {}, -1},
  };
  for (const Case& c : cases) {
    CCharDataFull r;
    r.m_picturePath[0] = WriteBytes(c.name, c.bytes).string();
    const fs::path out = dir / "pic.bin";
    BinaryFile file;
    ASSERT_TRUE(file.Open(out, BinaryFile::Mode::kCreate));
    ASSERT_EQ(r.WritePicture(file, 3), 1);
    file.Close();
    const Bytes b = FileBytes(out);
    ASSERT_GE(b.size(), 8u);
    EXPECT_EQ(static_cast<int32_t>(LoadU32(&b[0])), c.type) << c.name;
    EXPECT_EQ(LoadU32(&b[4]), c.type < 0 ? 0u : c.bytes.size()) << c.name;
    EXPECT_EQ(b.size(), 8 + (c.type < 0 ? 0 : c.bytes.size())) << c.name;
  }
  // A missing file is absent too, and so is kind -1 whatever the path.
  CCharDataFull r;
  r.m_picturePath = {(dir / "gone.bmp").string(), WriteBytes("there.bmp", BmpBytes()).string()};
  const fs::path out = dir / "two.bin";
  BinaryFile file;
  ASSERT_TRUE(file.Open(out, BinaryFile::Mode::kCreate));
  ASSERT_EQ(r.WritePicture(file, 3), 1);
  ASSERT_EQ(r.WritePicture(file, -1), 1);
  file.Close();
  EXPECT_EQ(FileBytes(out), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
}

TEST_F(CharBlock, AnOldWriterTypedPictureIsRestoredByItsBytes) {
  // An earlier writer called every picture whose name did not end in ".jpg" or ".png" a
  // bitmap: the temporary file must still get the extension its reader needs.
  WdfBlock b;
  b.picture1 = {0, PngBytes()};
  b.picture2 = {1, BmpBytes()};
  b.params[50] = 1;
  b.valueTable = {0};
  CCharDataFull r;
  ASSERT_EQ(ReadFile(r, WriteBytes("typed.wdf", BuildWdfBlock(b))), 1);
  EXPECT_EQ(fs::path(r.m_tempPictures.Path(0)).extension(), ".png");
  EXPECT_EQ(fs::path(r.m_tempPictures.Path(1)).extension(), ".bmp");
}

TEST_F(CharBlock, ACharacterWithoutPointsAsksBeforeReplacingOne) {
  CCharDataFull empty;
  empty.ClearPoints();
  empty.m_param[200] = 0;
  empty.m_param[1] = 77;
  empty.m_param[50] = 2;
  const fs::path path = WriteBytes("settings.wdf", Write(empty));

  struct Answer : CharFileDialogs {
    int answer = kSettingFileCancel;
    int asked = 0;
    int AskSettingFile() override {
      ++asked;
      return answer;
    }
  } dialogs;
  SetCharFileDialogs(&dialogs);
  struct Case {
    int answer;
    int result;
    int modeAfter;
    int pointsAfter;
    int param1After;
  } cases[] = {
      {kSettingFileCancel, -1, 0, 2, 5},
      {kSettingFileConvert, 1, 1, 2, 77},
      {kSettingFileReplace, 1, 0, 0, 77},
  };
  for (const Case& c : cases) {
    CCharDataFull r;
    SetPoints(r, {{1, 2, 1, -1}, {3, 4, 0, -1}});
    r.m_param[1] = 5;
    dialogs.answer = c.answer;
    BinaryFile file;
    ASSERT_TRUE(file.Open(path, BinaryFile::Mode::kRead));
    int mode = kReadAll;
    EXPECT_EQ(r.ReadBlock(file, mode, 0, 1, 1), c.result);
    EXPECT_EQ(mode, c.modeAfter);
    EXPECT_EQ(r.m_nPoints, c.pointsAfter);
    EXPECT_EQ(r.m_param[1], c.param1After);
  }
  EXPECT_EQ(dialogs.asked, 3);
  // Not asked for the second part, nor over an empty record.
  CCharDataFull r;
  r.ClearPoints();
  EXPECT_EQ(ReadFile(r, path), 1);
  SetPoints(r, {{1, 2, 1, -1}});
  EXPECT_EQ(ReadFile(r, path, 0, 0, 2), 1);
  EXPECT_EQ(dialogs.asked, 3);
}

TEST_F(CharBlock, ProbeTellsNewFilesFromOldAndANewerVersionAsksFirst) {
  WdfBlock now;
  WdfBlock old;
  old.major = 2;
  old.minor = 50;
  old.magic = "TAMBERI DATA FILE 2.0";
  for (auto [block, expected] : {std::pair{now, 1}, std::pair{old, 0}}) {
    CCharDataFull r;
    int mode = kReadProbe;
    BinaryFile file;
    ASSERT_TRUE(file.Open(WriteBytes("probe.wdf", BuildWdfBlock(block)), BinaryFile::Mode::kRead));
    EXPECT_EQ(r.ReadBlock(file, mode, 0, -1, 0), expected);
    EXPECT_EQ(file.Tell(), 32);
  }
  WdfBlock newer;
  newer.minor = 10;  // 4.10
  newer.params[50] = 1;
  newer.valueTable = {0};
  newer.points = {{5, 6, 1, -1}};
  const fs::path path = WriteBytes("newer.wdf", BuildWdfBlock(newer));
  CCharDataFull r;
  messages.Answer(kAnswerCancel);
  EXPECT_EQ(ReadFile(r, path), -1);
  EXPECT_EQ(r.m_nPoints, 0);
  messages.Answer(kAnswerOk);
  EXPECT_EQ(ReadFile(r, path), 1);
  EXPECT_EQ(r.m_nPoints, 1);
  EXPECT_EQ(messages.ids, (std::vector<int>{62064, 62064}));
}

}  // namespace
}  // namespace tmb::test
