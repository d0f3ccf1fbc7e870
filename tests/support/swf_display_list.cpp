#include "support/swf_display_list.h"

namespace tmb::test {

namespace {

constexpr int kShowFrame = 1, kPlaceObject2 = 26, kRemoveObject2 = 28;
constexpr int kDefineShape = 2, kDefineShape2 = 22, kDefineShape3 = 32;

}  // namespace

SwfPlaceRead ReadSwfPlaceObject2(const SwfTagRecord& tag) {
  SwfBits bits(tag.body);
  SwfPlaceRead place;
  place.flags = bits.U8();
  place.move = (place.flags & 0x01) != 0;
  place.depth = bits.U16();
  if (place.flags & 0x02) place.characterId = bits.U16();
  return place;
}

SwfDisplayFrames PlaySwfTags(const std::vector<SwfTagRecord>& tags) {
  SwfDisplayFrames out;
  SwfStage stage;
  for (const SwfTagRecord& tag : tags) {
    if (tag.code == kShowFrame) {
      out.frames.push_back(stage);
    } else if (tag.code == kPlaceObject2) {
      const SwfPlaceRead place = ReadSwfPlaceObject2(tag);
      const bool occupied = stage.count(place.depth) != 0;
      if (occupied && !place.move) out.faults.push_back("placed on occupied depth " + std::to_string(place.depth));
      if (!occupied && place.move) out.faults.push_back("moved empty depth " + std::to_string(place.depth));
      if (place.characterId != 0) stage[place.depth] = place.characterId;
    } else if (tag.code == kRemoveObject2) {
      SwfBits bits(tag.body);
      const int depth = bits.U16();
      if (stage.erase(depth) == 0) out.faults.push_back("removed empty depth " + std::to_string(depth));
    }
  }
  return out;
}

std::map<int, SwfDefineShapeRead> SwfShapesById(const std::vector<SwfTagRecord>& tags) {
  std::map<int, SwfDefineShapeRead> shapes;
  for (const SwfTagRecord& tag : tags) {
    if (tag.code == kDefineShape || tag.code == kDefineShape2 || tag.code == kDefineShape3) {
      SwfDefineShapeRead shape = ReadSwfDefineShape(tag);
      shapes[shape.id] = std::move(shape);
    }
  }
  return shapes;
}

}  // namespace tmb::test
