// The full character record: the base record followed by the extension that the
// documents, the six character slots, the file reader and writer and the brush engine
// use: change flags, the derived range pair, attribute and width buffers, frame and morph
// state, the text-mode font, the slider maxima and the parameter snapshot.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/file/picture_bytes.h"
#include "core/record/char_data.h"
#include "core/record/log_font.h"
#include "platform/gdi/geometry.h"

namespace tmb {
class BinaryFile;
}

// Roles of the entries of CCharDataFull::m_flags.
// Modes of CCharDataFull::ReadBlock.
enum BlockReadMode {
  kReadAll = 0,       // points and settings
  kReadSettings = 1,  // settings only: the record keeps its points
  kReadProbe = 2,     // the header only: is the file of data version 3.00 or later?
};

// Modes of CCharDataFull::ReplaceFramePart.
enum FramePartMode {
  kFrameFinishPending = -1,  // the pending replacement, if any, is carried out
  kFrameKeep = 0,            // the frame's strokes become the saved part
  kFrameMoveAfter = 1,       // the saved part moves behind the frame's other strokes
  kFrameCut = 2,             // the frame's strokes are saved and taken out
  kFrameMoveFirst = 3,       // the saved part moves to the start of the character
  kFrameRange = 4,           // only the range is looked at
  kFrameCutForNew = 5,       // cut; what is written next takes the part's place
  kFrameReplace = 6,         // (pending 1) the new strokes go where the cut part was
  kFrameKeepForNew = 7,      // kept; what is written next goes in front of it
  kFrameInsertBefore = 8,    // (pending 2) the new strokes go in front of the part
  kFrameCopy = 9,            // the frame's strokes copied into the saved part only
};

enum CharFlagIndex {
  kFlagMorphState = 0,    // animation frame in progress: 0 none, 1, 2 or -2
  kFlagMorphPercent = 5,  // percentage of the frame, 0 to 100
  kFlagRedrawA = 7,       // redraw flags raised by parameter changes
  kFlagRedrawB = 8,
  kFlagRedrawShape = 9,
};
constexpr int kCharFlagCount = 11;

// The guide-line helper of the drawing view.
struct CGuideLines {
  tmb::Point m_pt;
  int32_t m_nValue = 0;
};

// The five brush values of a record (CCharDataFull::m_brushValues), which the drawing view
// hands to its window's brush render state and takes back around a render.
enum BrushValueIndex {
  kBrushRenderRequest = 0,  // the brush set is to be rendered again
  kBrushInkColour = 4,      // the colour the brush set was last painted in
};
constexpr int kBrushValueCount = 5;

class CCharDataFull : public CCharData {
 public:
  CCharDataFull();
  ~CCharDataFull() override;

  CCharDataFull* Full() override { return this; }

  // Drawing-state pen settings back to their start values, the parameter defaults, the
  // range pair, the active and load flags and the first text block.
  void ResetSettings();

  // ---- the character data file: one block per character window
  // Writes this record as block partIndex (1 for the first) at the file's position; the
  // strokes of its text characters are looked up in temporary set partIndex first, which
  // is the window's own set as long as window i is written as part i + 1. Returns 1, or
  // 0 when a write failed (the block is then incomplete). The modified flag is the
  // caller's to clear, once the whole file is in place.
  int WriteBlock(tmb::BinaryFile& file, int partIndex);
  // Reads one block at the file's position into this record. mode (BlockReadMode) is in
  // and out: the settings-file question may turn kReadAll into kReadSettings. A probe
  // returns 0 for a file before data version 3.00 and 1 otherwise. A read returns the
  // block's first-part flag (0 or 1), or -1 when the block is not read: a wrong magic, a
  // refused newer version or settings question, or a damaged block (the user is told;
  // the end of the file is silent). Nothing of the record changes unless the whole block
  // was read. storeSet is the temporary store set of the window this record belongs to
  // (StoreSetOfWindow), which the block's store section refills; 0 for a record of no
  // window, whose read leaves every set alone. It is not the block's place in the file:
  // the file-choice modes send part 1 to window B and part 2 to window A.
  int ReadBlock(tmb::BinaryFile& file, int& mode, int anchor, int partIndex, int storeSet);
  // Writes the picture record of kind 3 (picture 1), 4 (picture 2) or -1 (absent) from
  // m_picturePath. A picture that cannot be read, or is not BMP, JPEG or PNG by its bytes,
  // is written as absent. 1, or 0 when a write failed.
  int WritePicture(tmb::BinaryFile& file, int kind);
  // The first (parameter 50) entries of m_valueTable. 1, or 0 when a write failed.
  int WriteValueTable(tmb::BinaryFile& file);
  // The file background picture k (0 or 1) is read from: the temporary file the last load
  // wrote it to while text 3 + k names that file (in code page 932, which may not spell
  // the temporary folder's name exactly), else the path text 3 + k stores.
  std::string BackgroundPicturePath(int k) const;

  // 0: the brush outline is up to date; 1: points or settings changed and the outline
  // must be rebuilt; -1: a stroke began on an up-to-date outline. The brush engine
  // rebuilds while it is non-zero and then clears it.
  int32_t m_nOutlineDirty = 0;
  int32_t m_rangeFrom = 0;  // the derived range pair (UpdateRangeFromMode)
  int32_t m_rangeTo = 0;
  // Per-point attribute bytes of the point path; the document allocates them for its
  // drawn record only, null elsewhere.
  uint8_t* m_pPointAttr = nullptr;
  uint8_t* m_pPointAttr2 = nullptr;
  int32_t m_nFrameCount = 31;
  int32_t m_bLoaded = 0;          // 1 after a load or an effect copy
  int32_t m_bPicturesPending = 0;
  int32_t m_nExtValue = 0;        // 0 after a new document
  int32_t m_nExtWorkValue = 0;    // copied into the working path with the parameters
  int32_t m_bModified = 0;        // set by pen input; cleared by reading and writing a file
  int32_t m_bEverySample = 0;     // pen input keeps every sample, however soon it comes
  std::array<int32_t, kCharFlagCount> m_flags{0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0};
  // Read by the animation frame step: while set, a frame keeps its morph state and draws
  // with parameters 1, 8 and 9 at 0.
  int32_t m_bMorphReset = 0;
  // The picture colour of an animation frame, which the frame step hands to the path
  // sequence with the frame's parameters.
  int32_t m_nFrameValue = 0;
  CGuideLines m_guide;
  // Source paths (UTF-8) of background pictures 1 and 2, embedded by the writer.
  std::array<std::string, 2> m_picturePath;
  // The temporary files the reader wrote the embedded pictures of the last load to.
  CTempPictures m_tempPictures;
  CLogFont m_textFont;
  // Slider maxima. Sized for every parameter so that no reader can index past it; the
  // defaults set entries 0 to 8.
  ParamBlock m_paramMax{};
  ParamBlock m_paramSnapshot{};  // the parameters before a load, for change detection
  int32_t m_nTrail0 = 0;          // two values the record carries without a known reader
  int32_t m_nTrail1 = 0;
  // The frame-part commands: a pending replacement (0, 1 or 2) of the cut range
  // [m_nFrameFirst, m_nFrameEnd), set up when the record held m_nFrameSplit points.
  int32_t m_nFramePending = 0;    // 0 after a new document
  int32_t m_nFrameFirst = 0;
  int32_t m_nFrameEnd = 0;
  int32_t m_nFrameSplit = 0;

  // The frame-part commands on the strokes inside frame (FramePartMode), with saved as
  // the part they keep. Returns 1, or 0 when the mode found its range no longer holding
  // what it refers to (the record changed under it): nothing moves and a pending
  // replacement is dropped; the caller tells the user.
  int ReplaceFramePart(int mode, const tmb::Rect& frame, CCharData& saved);

  // The width (brush level) of every point as a signed byte: the live stroke writes the
  // width of each new point, the brush engine its levels, capped at m_nMaxLevel.
  std::unique_ptr<int8_t[]> m_pLevels;
  int32_t m_nMaxLevel = 31;
  // 1 where the segment from working point i to i + 1 is a link (a jump between strokes),
  // written by the brush engine.
  std::unique_ptr<uint8_t[]> m_pLinks;
  // Set to 1 when the brush engine took the working record from the conversion.
  int32_t m_bConverted = 0;
  // Raised by the style commands; handed to the work path with the settings, where the
  // conversion clears it.
  int32_t m_bConvertRequested = 0;
  // BrushValueIndex: a new record asks for its brush set to be rendered.
  std::array<int32_t, kBrushValueCount> m_brushValues{1, 0, 0, 0, 0};
};
