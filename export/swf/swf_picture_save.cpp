#include "export/swf/swf_picture_save.h"

#include <array>

#include "core/path/path_sequence.h"
#include "core/record/char_data.h"
#include "export/swf/swf_animation_export.h"
#include "export/swf/swf_export_timing.h"

namespace {

constexpr int kWaitParam = 121;
constexpr int kColourBParam = 157;
constexpr int32_t kDefaultWait = 25;  // hundredths of a second

}  // namespace

tmb::Status SaveSwfPicture(const std::filesystem::path& path, const CCharData& record) {
  ParamBlock param = record.m_param;
  param[kSwfTimingModeParam] = kSwfTimingOnePerFrame;
  return ExportSwfAnimation(gPathSequence, path, {}, param);
}

tmb::Status ExportSwfForRecord(const std::filesystem::path& path, CCharData& owner, tmb::Colour pictureColour,
                               int mode, std::span<const int32_t> durations, std::span<const tmb::Colour> colours) {
  ParamBlock& param = owner.m_param;
  param[kWaitParam] = kDefaultWait;
  CSequenceFrame& first = gPathSequence.m_frames[0];
  if (mode == kSwfRecordGivenColours && colours.size() >= 2) {
    first.colour = colours[0];
    first.colourB = colours[1];
  } else {
    first.colour = pictureColour;
    first.colourB = tmb::Colour(uint32_t(param[kColourBParam]));
  }
  param[kSwfFrameRectParam] = 0;
  const std::array<int32_t, 1> defaultWait{kDefaultWait};
  const std::span<const int32_t> waits = param[kSwfTimingModeParam] != 0 ? durations : std::span<const int32_t>(defaultWait);
  gSwfSinglePicture = mode == kSwfRecordSinglePicture ? 1 : 0;
  tmb::Status result = ExportSwfAnimation(gPathSequence, path, waits, param);
  gSwfSinglePicture = 0;
  return result;
}
