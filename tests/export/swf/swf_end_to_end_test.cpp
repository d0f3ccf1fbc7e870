#include <gtest/gtest.h>

#include <string>

#include "export/swf/swf_control_tags.h"
#include "export/swf/swf_font_tags.h"
#include "export/swf/swf_movie.h"
#include "export/swf/swf_sound_tags.h"
#include "export/swf/swf_sprite.h"
#include "export/swf/swf_text_tags.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/swf_adpcm_decoder.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<SwfShape> SquareGlyph(int side) {
  auto glyph = std::make_unique<SwfShape>();
  auto move = std::make_unique<SwfStyleChangeRecord>();
  move->MoveTo(0, -side).FillStyle1(1);
  glyph->AddRecord(std::move(move));
  glyph->AddRecord(std::make_unique<SwfStraightEdgeRecord>(side, 0));
  glyph->AddRecord(std::make_unique<SwfCurvedEdgeRecord>(0, side / 2, 0, side / 2));
  glyph->AddRecord(std::make_unique<SwfStraightEdgeRecord>(-side, 0));
  glyph->AddRecord(std::make_unique<SwfStraightEdgeRecord>(0, -side));
  return glyph;
}

// A movie with a font, a text in it, a sound from a WAVE file started in frame 1, and a
// sprite that shows the text: what the writer's users put together.
struct MediaMovie {
  std::vector<int16_t> samples = tmb::test::SineSamples(440, 16000, 22050, 11025);
  tmb::test::TempDir dir;
  std::filesystem::path swf = dir / "media.swf";

  tmb::Status Write() {
    tmb::test::WriteFileBytes(dir / "tone.wav", tmb::test::WaveFileBytes(22050, 1, 16, tmb::test::PcmBytes(samples)));
    SwfMovie movie;
    movie.AddTag(std::make_unique<SwfTagSetBackgroundColor>(SwfColour::Rgb(255, 255, 240)));
    auto font = std::make_unique<SwfTagDefineFont2>("Brush", SwfFontEncoding::kShiftJis, false, false, 800, 200, 0);
    font->AddGlyph(SquareGlyph(700), 0x82A0, 900, SwfRect{0, -700, 700, 0});
    font->AddGlyph(SquareGlyph(500), 0x82A2, 700, SwfRect{0, -500, 500, 0});
    const int fontId = font->Id();
    movie.AddTag(std::move(font));
    auto text = std::make_unique<SwfTagDefineText>(SwfRect{0, -1000, 4000, 200}, SwfMatrix());
    auto style = std::make_unique<SwfTextRecord>();
    style->Font(fontId, 1024).Colour(SwfColour::FromColorRef(0x202020)).XOffset(100).YOffset(800);
    text->AddRecord(std::move(style));
    auto run = std::make_unique<SwfTextRecordB>();
    run->AddGlyph(0, 900);
    run->AddGlyph(1, 700);
    text->AddRecord(std::move(run));
    const int textId = text->Id();
    movie.AddTag(std::move(text));
    std::unique_ptr<SwfTagDefineSound> sound;
    if (tmb::Status s = SwfTagDefineSoundC::Make(dir / "tone.wav", 4, sound); !s) return s;
    const int soundId = sound->Id();
    movie.AddTag(std::move(sound));
    auto sprite = std::make_unique<SwfTagDefineSprite>();
    SwfPlacement inSprite;
    inSprite.characterId = textId;
    inSprite.matrix = SwfMatrix::Translation(200, 300);
    if (tmb::Status s = sprite->AddTag(std::make_unique<SwfTagPlaceObject2>(inSprite)); !s) return s;
    if (tmb::Status s = sprite->AddTag(std::make_unique<SwfTagShowFrame>()); !s) return s;
    const int spriteId = sprite->Id();
    movie.AddTag(std::move(sprite));
    SwfPlacement place;
    place.characterId = spriteId;
    place.matrix = SwfMatrix();
    movie.AddTag(std::make_unique<SwfTagPlaceObject2>(place));
    movie.AddTag(std::make_unique<SwfTagStartSound>(soundId, SwfSoundInfo()));
    movie.AddTag(std::make_unique<SwfTagShowFrame>());
    return WriteSwfFile(movie, swf, 6000, 3000, 12);
  }
};

TEST(SwfEndToEnd, MovieWithFontTextSoundAndSpriteReadsBack) {
  MediaMovie m;
  const tmb::Status s = m.Write();
  ASSERT_TRUE(s) << s.message();
  const Bytes bytes = tmb::test::FileBytes(m.swf);
  tmb::test::SwfFileInfo info;
  std::string why;
  ASSERT_TRUE(tmb::test::ParseSwfFile(bytes, info, why)) << why;
  EXPECT_EQ(info.fileLength, bytes.size());
  EXPECT_EQ(info.frameCount, 1);
  ASSERT_EQ(tmb::test::SwfTagCodes(info.tags), std::vector<int>({9, 48, 11, 14, 39, 26, 15, 1, 0}));

  const auto font = tmb::test::ReadSwfDefineFont2(info.tags[1]);
  EXPECT_EQ(font.id, 1);
  EXPECT_EQ(font.codes, (std::vector<int>{0x82A0, 0x82A2}));
  ASSERT_EQ(font.glyphs.size(), 2u);
  const auto contours = tmb::test::SwfContours(font.glyphs[0].records);
  ASSERT_EQ(contours.size(), 1u);
  EXPECT_EQ(contours[0].front().x, contours[0].back().x);
  EXPECT_EQ(contours[0].front().y, contours[0].back().y);

  const auto text = tmb::test::ReadSwfDefineText(info.tags[2]);
  EXPECT_EQ(text.id, 2);
  ASSERT_EQ(text.records.size(), 1u);
  EXPECT_EQ(text.records[0].fontId, 1);
  EXPECT_EQ(text.records[0].colour, (tmb::test::SwfRgba{0x20, 0x20, 0x20, 255}));
  EXPECT_EQ(text.records[0].glyphs.size(), 2u);

  const auto sound = tmb::test::ReadSwfDefineSound(info.tags[3]);
  EXPECT_EQ(sound.id, 3);
  EXPECT_EQ(sound.rate, 2);
  EXPECT_EQ(sound.sampleCount, m.samples.size());
  const auto decoded = tmb::test::DecodeSwfAdpcm(sound.data, false, sound.sampleCount);
  ASSERT_EQ(decoded.size(), m.samples.size());
  EXPECT_GE(tmb::test::SignalToNoiseDb(m.samples, decoded), 37);

  tmb::test::SwfSpriteRead sprite;
  ASSERT_TRUE(tmb::test::ReadSwfDefineSprite(info.tags[4], sprite, why)) << why;
  EXPECT_EQ(sprite.id, 4);
  EXPECT_EQ(sprite.frameCount, 1);
  EXPECT_EQ(tmb::test::SwfTagCodes(sprite.tags), std::vector<int>({26, 1, 0}));

  tmb::test::SwfBits start(info.tags[6].body);
  EXPECT_EQ(start.U16(), 3);
}

// swfdump is the SWF users' own checker; Debian does not carry it, so this runs only where
// it was installed by hand.
TEST(SwfEndToEnd, SwfdumpListsTheTags) {
  if (!tmb::test::ToolInstalled("swfdump")) GTEST_SKIP() << "swfdump is not installed";
  MediaMovie m;
  ASSERT_TRUE(m.Write());
  const tmb::test::ToolRun run = tmb::test::RunTool("swfdump '" + m.swf.string() + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const std::string& output = run.output;
  for (const char* tag : {"DEFINEFONT2", "DEFINETEXT", "DEFINESOUND", "DEFINESPRITE", "STARTSOUND", "SHOWFRAME"}) {
    EXPECT_NE(output.find(tag), std::string::npos) << tag << "\n" << output;
  }
}

}  // namespace
