#include "brush/character_converter.h"

#include "core/stroke_work.h"

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
