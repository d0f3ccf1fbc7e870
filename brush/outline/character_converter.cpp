#include "brush/outline/character_converter.h"

#include "core/path/stroke_work.h"

namespace {

class CopyingConverter final : public CharacterConverter {
 public:
  int ConvertCharacter(CStrokeWork& dest, CStrokeWork& source) override {
    dest.CopyFrom(source);
    return 1;
  }
};

CopyingConverter gCopyingConverter;
CharacterConverter* gConverter = &gCopyingConverter;

}  // namespace

CharacterConverter& Converter() { return *gConverter; }

void SetCharacterConverter(CharacterConverter* converter) {
  gConverter = converter ? converter : &gCopyingConverter;
}
