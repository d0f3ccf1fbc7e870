#include <gtest/gtest.h>

#include "export/swf/swf_control_tags.h"
#include "export/swf/swf_movie.h"
#include "export/swf/swf_shape_tags.h"
#include "export/swf/swf_sprite.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(SwfSprite, CountsItsFramesAndEndsWithAnEndTag) {
  SwfMovie movie;
  SwfTagDefineSprite sprite;
  SwfPlacement place;
  place.characterId = 9;
  place.matrix = SwfMatrix::Translation(40, 40);
  ASSERT_TRUE(sprite.AddTag(std::make_unique<SwfTagPlaceObject2>(place)));
  ASSERT_TRUE(sprite.AddTag(std::make_unique<SwfTagShowFrame>()));
  ASSERT_TRUE(sprite.AddTag(std::make_unique<SwfTagRemoveObject2>(1)));
  ASSERT_TRUE(sprite.AddTag(std::make_unique<SwfTagShowFrame>()));
  EXPECT_EQ(sprite.FrameCount(), 2u);
  Bytes stream = tmb::test::SwfTagBytes(sprite);
  stream.insert(stream.end(), {0, 0});
  std::vector<tmb::test::SwfTagRecord> tags;
  std::string why;
  ASSERT_TRUE(tmb::test::ParseSwfTags(stream, tags, why)) << why;
  EXPECT_EQ(tags[0].code, 39);
  tmb::test::SwfSpriteRead read;
  ASSERT_TRUE(tmb::test::ReadSwfDefineSprite(tags[0], read, why)) << why;
  EXPECT_EQ(read.id, 1);
  EXPECT_EQ(read.frameCount, 2);
  EXPECT_EQ(tmb::test::SwfTagCodes(read.tags), std::vector<int>({26, 1, 28, 1, 0}));
}

TEST(SwfSprite, RefusesDefinitions) {
  SwfMovie movie;
  SwfTagDefineSprite sprite;
  const tmb::Status s = sprite.AddTag(std::make_unique<SwfTagDefineShape>(SwfRect{}));
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("tag 2"), std::string::npos);
  EXPECT_FALSE(sprite.AddTag(std::make_unique<SwfTagDefineSprite>()));
  EXPECT_FALSE(sprite.AddTag(std::make_unique<SwfTagSetBackgroundColor>(SwfColour())));
  const Bytes frame = {0x40, 0x00};
  const Bytes shape = {0x82, 0x00, 0x01, 0x00};
  EXPECT_TRUE(sprite.AddTag(std::make_unique<SwfTagRaw>(frame)));
  EXPECT_FALSE(sprite.AddTag(std::make_unique<SwfTagRaw>(shape)));
  EXPECT_EQ(tmb::test::SwfTagBytes(sprite).size(), 2u + 2 + 2 + 2 + 2);
}

}  // namespace
