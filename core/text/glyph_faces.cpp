#include "core/text/glyph_faces.h"

#include <set>

#include "core/text/glyph_outline_read.h"
#include "platform/service/messages.h"

namespace {

// Messages per cause: the face cannot be read; it holds damaged outlines; its outlines
// reach far beyond its size.
constexpr int kMsgFaceUnreadable = 61560;
constexpr int kMsgGlyphRefused = 61561;
constexpr int kMsgGlyphOutOfRange = 61562;

GlyphFaceFinder gFinder;
std::set<std::string> gReported;

}  // namespace

tmb::FaceFile GlyphFaceFileOf(const tmb::Font& font) { return gFinder ? gFinder(font) : tmb::FindFaceFile(font); }

void SetGlyphFaceFinder(GlyphFaceFinder finder) { gFinder = std::move(finder); }

void ReportGlyphFaceFault(const std::string& faceName, int cause) {
  int id = 0;
  switch (cause) {
    case kGlyphFaceUnreadable:
      id = kMsgFaceUnreadable;
      break;
    case kGlyphRefused:
      id = kMsgGlyphRefused;
      break;
    case kGlyphOutOfRange:
      id = kMsgGlyphOutOfRange;
      break;
    default:
      return;
  }
  // A text of many characters in a broken face would otherwise ask once per character.
  if (!gReported.insert(faceName).second) return;
  tmb::ShowMessage(id, tmb::kMsgOk, {faceName});
}

void ForgetReportedGlyphFaces() { gReported.clear(); }
