// The conversion driver as the brush-outline engine calls it: a style of 300 or more, or
// an animation frame in progress, takes the character through the conversion instead of
// the brush outline. The conversion driver itself runs unless tests install another.
#pragma once

class CStrokeWork;

class CharacterConverter {
 public:
  virtual ~CharacterConverter() = default;
  // Converts source into dest, which holds the settings already; 1 when converted, 0
  // when the conversion is switched off (dest then holds source unchanged). source may be
  // changed.
  virtual int ConvertCharacter(CStrokeWork& dest, CStrokeWork& source) = 0;
};

// The installed driver; the conversion driver until another is set.
CharacterConverter& Converter();
// Installs converter (not owned); nullptr restores the conversion driver.
void SetCharacterConverter(CharacterConverter* converter);
