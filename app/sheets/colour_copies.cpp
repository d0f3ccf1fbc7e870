// The colour copies between the record and the colour pages: the colour switch with the
// ten page colours, two colours and six colours.
#include "app/sheets/param_fields.h"
#include "app/sheets/sheet_copies.h"
#include "core/record/char_data_full.h"
#include "core/effect/effect_names.h"

namespace {

constexpr int kPageColourFirst = 156;  // the character's colour; the paper's follows
constexpr int kPaperColourParam = 157;
constexpr int kGradientPointFirst = 172;
constexpr int kSingleColourMode = 3;
// The colours a page may change, for the derived flag.
constexpr int kColourFirst = 152;
constexpr int kColourLast = 165;

RgbBytes BytesOf(int32_t colour) { return RgbBytesOf(static_cast<tmb::Colour>(colour)); }
int32_t ColourOf(const RgbBytes& rgb) { return RgbParam(rgb[0], rgb[1], rgb[2]); }

// Runs write (which returns how many values it wrote) as a page's store, then derives
// what follows from the colours: the range pair, the effect's background colour (always:
// the paper colour may have changed behind the page) and the derived flag when a colour
// changed.
template <class Write>
void StoreColours(CCharDataFull& record, Write&& write) {
  const ParamBlock before = record.m_param;
  int written = 0;
  StoreSettings(record, [&](ParamBlock& p) { written = write(p); });
  record.UpdateRangeFromMode();
  record.m_effect.m_colour1[kEffectColourBack] = static_cast<tmb::Colour>(record.m_param[kPaperColourParam]);
  if (written == 0) return;
  for (int k = kColourFirst; k <= kColourLast; ++k) {
    if (before[size_t(k)] != record.m_param[size_t(k)]) record.m_bDerived = 1;
  }
}

// Writes value into param when the user changed the field (shown is not what was
// loaded); 1 when written.
template <class T>
int PutTouched(const T& shown, const T& loaded, int32_t value, int32_t& param) {
  if (shown == loaded) return 0;
  param = value;
  return 1;
}

}  // namespace

void CopyColourSwitchToPage(const CCharDataFull& record, ColourPageValues& page) {
  page.m_nColourMode = record.m_param[kShapeModeParam] != 0 ? 1 : 0;
  for (int k = 0; k < ColourPageValues::kColourCount; ++k) {
    page.m_colours[size_t(k)] = static_cast<tmb::Colour>(record.m_param[size_t(kPageColourFirst + k)]);
  }
}

void CopyColoursFromPage(const ColourPageValues& page, const ColourPageValues& loaded, CCharDataFull& record) {
  StoreColours(record, [&](ParamBlock& p) {
    // The colour mode is the page's whatever the record held: on is single colour (3),
    // whatever other mode the record was in.
    const int32_t mode = page.m_nColourMode ? kSingleColourMode : 0;
    int written = p[kShapeModeParam] != mode ? 1 : 0;
    p[kShapeModeParam] = mode;
    for (size_t k = 0; k < ColourPageValues::kColourCount; ++k) {
      written += PutTouched(page.m_colours[k], loaded.m_colours[k], static_cast<int32_t>(page.m_colours[k]),
                            p[kPageColourFirst + k]);
    }
    return written;
  });
}

void CopyTwoColoursToPage(const CCharDataFull& record, TwoColourValues& page) {
  for (size_t k = 0; k < page.m_rgb.size(); ++k) page.m_rgb[k] = BytesOf(record.m_param[kPageColourFirst + k]);
}

void CopyTwoColoursFromPage(const TwoColourValues& page, const TwoColourValues& loaded, CCharDataFull& record) {
  StoreColours(record, [&](ParamBlock& p) {
    int written = 0;
    for (size_t k = 0; k < page.m_rgb.size(); ++k) {
      written += PutTouched(page.m_rgb[k], loaded.m_rgb[k], ColourOf(page.m_rgb[k]), p[kPageColourFirst + k]);
    }
    return written;
  });
}

void CopySixColoursToPage(const CCharDataFull& record, SixColourValues& page) {
  for (size_t k = 0; k < page.m_rgb.size(); ++k) {
    page.m_rgb[k] = BytesOf(record.m_param[size_t(kSixColourFirst + kSixColourTable[k])]);
  }
  for (size_t k = 0; k < page.m_nPoint.size(); ++k) page.m_nPoint[k] = record.m_param[kGradientPointFirst + k];
}

void CopySixColoursFromPage(const SixColourValues& page, const SixColourValues& loaded, CCharDataFull& record) {
  StoreColours(record, [&](ParamBlock& p) {
    int written = 0;
    for (size_t k = 0; k < page.m_rgb.size(); ++k) {
      written += PutTouched(page.m_rgb[k], loaded.m_rgb[k], ColourOf(page.m_rgb[k]),
                            p[size_t(kSixColourFirst + kSixColourTable[k])]);
    }
    for (size_t k = 0; k < page.m_nPoint.size(); ++k) {
      written += PutTouched(page.m_nPoint[k], loaded.m_nPoint[k], page.m_nPoint[k], p[kGradientPointFirst + k]);
    }
    return written;
  });
}
