// The stage of an SWF movie as a player builds it, for tests: the characters each frame
// shows by depth, from the PlaceObject2, RemoveObject2 and ShowFrame tags, with the faults
// a player would meet (placing on an occupied depth, removing from an empty one).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/swf_reader.h"

namespace tmb::test {

struct SwfPlaceRead {
  int flags = 0;
  bool move = false;
  int depth = 0;
  int characterId = 0;  // 0 without HasCharacter
};
SwfPlaceRead ReadSwfPlaceObject2(const SwfTagRecord& tag);

// Depth -> character id.
using SwfStage = std::map<int, int>;

struct SwfDisplayFrames {
  std::vector<SwfStage> frames;  // the stage at each ShowFrame
  std::vector<std::string> faults;
};
SwfDisplayFrames PlaySwfTags(const std::vector<SwfTagRecord>& tags);

// The DefineShape tags of a movie by character id.
std::map<int, SwfDefineShapeRead> SwfShapesById(const std::vector<SwfTagRecord>& tags);

}  // namespace tmb::test
