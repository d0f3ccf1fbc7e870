#include <gtest/gtest.h>

#include "export/swf/swf_button_tags.h"
#include "export/swf/swf_character_id.h"
#include "export/swf/swf_movie.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(SwfButtons, ARecordShowsTheCharacterItIsGivenAndTakesNoId) {
  SwfMovie movie;
  SwfButtonRecordList records;
  records.push_back(std::make_unique<SwfButtonRecord>(SwfButtonStates{true, false, true, false}, 7, 2, SwfMatrix()));
  SwfActionList actions;
  actions.push_back(std::make_unique<SwfActionGotoFrame>(1));
  SwfTagDefineButton button(std::move(records), std::move(actions));
  EXPECT_EQ(button.Id(), 1);
  EXPECT_EQ(button.Code(), 7);
  EXPECT_EQ(tmb::test::ReadBackSwfTag(button).body, Bytes({0x01, 0x00, 0x0A, 0x07, 0x00, 0x02, 0x00, 0x00, 0x00,  //
                                    0x81, 0x02, 0x00, 0x01, 0x00, 0x00}));
  EXPECT_EQ(NextCharacterId(), 2);
}

TEST(SwfButtons, Button2OffsetsLeadToEachConditionList) {
  SwfMovie movie;
  SwfButtonCondActionList records;
  records.push_back(std::make_unique<SwfButtonCondAction>(SwfButtonStates{false, false, false, true}, 5, 1,
                                                          SwfMatrix(), SwfCxformWithAlpha(false, false, {}, {})));
  std::vector<SwfCondActions> lists(2);
  lists[0].SetCondition(1);
  lists[0].SetCondition(9);
  lists[0].SetKeyCode(13);
  lists[0].AddAction(std::make_unique<SwfActionGotoFrame2>(1));
  lists[1].SetCondition(2);
  lists[1].SetCondition(10);  // no such condition: nothing changes
  EXPECT_EQ(lists[0].Conditions(), (13u << 9) | 0x100u | 0x01u);
  EXPECT_EQ(lists[1].Conditions(), 0x80u);
  const auto tag = tmb::test::ReadBackSwfTag(SwfTagDefineButton2(true, std::move(records), std::move(lists)));
  EXPECT_EQ(tag.code, 34);
  const Bytes& body = tag.body;
  tmb::test::SwfBits r(body);
  EXPECT_EQ(r.U16(), 1);
  EXPECT_EQ(r.U8(), 1);
  const size_t offsetAt = r.BytePos();
  const uint16_t actionOffset = r.U16();
  // The record: flags, id, depth, matrix, cxform, then CharacterEndFlag.
  EXPECT_EQ(r.U8(), 0x01);
  EXPECT_EQ(r.U16(), 5);
  EXPECT_EQ(r.U16(), 1);
  tmb::test::ReadSwfMatrix(r);
  tmb::test::ReadSwfCxform(r, true);
  EXPECT_EQ(r.U8(), 0);
  EXPECT_EQ(r.BytePos(), offsetAt + actionOffset);
  const size_t first = r.BytePos();
  const uint16_t size = r.U16();
  EXPECT_EQ(r.U16(), (13u << 9) | 0x101u);
  EXPECT_EQ(r.U8(), 0x9F);
  r.Bytes(3);
  EXPECT_EQ(r.U8(), 0);
  EXPECT_EQ(r.BytePos(), first + size);
  EXPECT_EQ(r.U16(), 0);  // the last list
  EXPECT_EQ(r.U16(), 0x80);
  EXPECT_EQ(r.U8(), 0);
  EXPECT_EQ(r.Remaining(), 0u);
}

TEST(SwfButtons, Button2WithoutActionsHasOffsetZero) {
  SwfMovie movie;
  const Bytes body = tmb::test::ReadBackSwfTag(SwfTagDefineButton2(false, {}, {})).body;
  EXPECT_EQ(body, Bytes({0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST(SwfButtons, KeyCodesPast127Fail) {
  SwfMovie movie;
  std::vector<SwfCondActions> lists(1);
  lists[0].SetKeyCode(128);
  EXPECT_FALSE(tmb::test::SwfTagWriteError(SwfTagDefineButton2(false, {}, std::move(lists))).empty());
}

TEST(SwfButtons, SoundsAndCxformReferToTheButton) {
  SwfMovie movie;
  std::array<SwfTagDefineButtonSound::Sound, 4> sounds;
  sounds[1].soundId = 3;
  sounds[1].info.hasLoops = true;
  sounds[1].info.loopCount = 2;
  SwfTagDefineButtonSound sound(9, sounds);
  EXPECT_EQ(sound.Code(), 17);
  EXPECT_EQ(tmb::test::ReadBackSwfTag(sound).body, Bytes({0x09, 0x00, 0x00, 0x00, 0x03, 0x00, 0x04, 0x02, 0x00, 0x00, 0x00,
                                    0x00, 0x00}));
  SwfTagDefineButtonCxform cxform(9, SwfCxform(false, true, {1, 2, 3}, {}));
  EXPECT_EQ(cxform.Code(), 23);
  const Bytes body = tmb::test::ReadBackSwfTag(cxform).body;
  tmb::test::SwfBits r(body);
  EXPECT_EQ(r.U16(), 9);
  const auto c = tmb::test::ReadSwfCxform(r, false);
  EXPECT_EQ(c.add[1], 2);
  EXPECT_EQ(NextCharacterId(), 1);  // neither tag takes an id
}

}  // namespace
