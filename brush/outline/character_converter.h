// The conversion driver as the brush-outline engine calls it: a style of 300 or more, or
// an animation frame in progress, takes the character through the conversion instead of
// the brush outline. The conversion engine installs the real driver; until then a
// stand-in copies the points unchanged.
#pragma once

class CStrokeWork;

class CharacterConverter {
 public:
  virtual ~CharacterConverter() = default;
  // Converts source into dest, which holds the settings already; 1 when converted, 0
  // when the conversion is switched off. source may be changed.
  virtual int ConvertCharacter(CStrokeWork& dest, CStrokeWork& source) = 0;
};

// The installed driver; the copying stand-in until another is set.
CharacterConverter& Converter();
// Installs converter (not owned); nullptr restores the stand-in.
void SetCharacterConverter(CharacterConverter* converter);
