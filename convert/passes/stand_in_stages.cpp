#include "convert/passes/stand_in_stages.h"

#include <algorithm>

#include "convert/driver/conversion_chain.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kWidth = 3;
// The width byte is read as signed by the brush stages.
constexpr int kMaxWidth = 127;

}  // namespace

void LeavePathAsIs(ConversionRun&) {}

void AssignPlainWidths(ConversionRun& run) {
  const int width = std::clamp(run.work.m_param[kWidth] / 2, 1, kMaxWidth);
  std::fill_n(run.work.m_pWidths, run.work.GetCount(), static_cast<uint8_t>(width));
}
