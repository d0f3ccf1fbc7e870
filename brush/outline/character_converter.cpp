#include "brush/outline/character_converter.h"

#include "core/path/stroke_work.h"

namespace {

class DriverConverter final : public CharacterConverter {
 public:
  int ConvertCharacter(CStrokeWork& dest, CStrokeWork& source) override { return dest.ConvertCharacter(source); }
};

DriverConverter gDriverConverter;
CharacterConverter* gConverter = &gDriverConverter;

}  // namespace

CharacterConverter& Converter() { return *gConverter; }

void SetCharacterConverter(CharacterConverter* converter) {
  gConverter = converter ? converter : &gDriverConverter;
}
