// The recorded character (recorded_character.h) as the drawing view converts it before
// it draws it: a drawn record with the defaults of window A in a converting style, its
// points in a source work path and the converted character in a destination. Header-only:
// the benchmarks use it too.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>

#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "tests/support/recorded_character.h"

namespace tmb::test {

struct ConvertedRecordedCharacter {
  static constexpr int kConversionStyle = 400;

  ConvertedRecordedCharacter() {
    drawn->ClearPoints();
    drawn->SetDefaultParams();
    GetSlotParamDefaults(drawn->m_param, {}, 0);
    drawn->m_param[37] = kConversionStyle;
    AppendRecordedCharacter(*drawn);
    Convert();
  }
  // Fills the source from the drawn record and converts it into the destination, as the
  // drawing view does before every drawing; the conversion's result.
  int Convert() {
    drawn->ToStrokeWork(*source);
    drawn->CopySettingsToWork(*converted);
    return converted->ConvertCharacter(*source);
  }

  // Gives every converted point its own brush width, swelling from a third of width at a
  // stroke's ends to width in its middle, as a pen's pressure does.
  void SwellWidths(int width) {
    CStrokeWork& path = *converted;
    for (int s = 0; s < path.GetCount();) {
      const int e = path.FindNextBreak(s) - 1;
      for (int i = s; i <= e; ++i) {
        const double t = e > s ? double(i - s) / (e - s) : 0.5;
        path.m_pWidths[i] = uint8_t(std::lround(width * (1 + 2 * std::sin(t * 3.14159265358979)) / 3));
      }
      s = e + 1;
    }
  }

  std::unique_ptr<CCharDataFull> drawn = std::make_unique<CCharDataFull>();
  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> converted = std::make_unique<CStrokeWork>();
};

}  // namespace tmb::test
