#include "app/window_boxes.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "core/state/draw_state.h"
#include "platform/service/profile.h"

namespace {

const char kSection[] = "SubData";

std::string BoxKey(int n) { return "Box" + std::to_string(n); }

}  // namespace

std::string FormatBoxText(const tmb::Rect& box) {
  char text[64];
  std::snprintf(text, sizeof text, "(%4d,%4d)-(%4d,%4d)", box.left, box.top, box.right, box.bottom);
  return text;
}

std::optional<tmb::Rect> ParseBoxText(std::string_view text) {
  int values[4] = {};
  int count = 0;
  size_t i = 0;
  while (i < text.size() && count < 4) {
    bool negative = text[i] == '-' && i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]));
    if (!negative && !std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    const char* first = text.data() + i;
    auto [end, ec] = std::from_chars(first, text.data() + text.size(), values[count]);
    if (ec != std::errc()) return std::nullopt;  // a number too long for an int
    ++count;
    i = static_cast<size_t>(end - text.data());
  }
  if (count < 4) return std::nullopt;
  return tmb::Rect{values[0], values[1], values[2], values[3]};
}

void LoadWindowBoxes(tmb::ProfileStore& profile, CDrawState& state) {
  state.m_boxes.clear();
  int total = profile.GetInt(kSection, "Total", 0);
  for (int i = 1; i <= total && state.m_boxes.size() < CDrawState::kMaxBoxes; ++i) {
    std::string text = profile.GetString(kSection, BoxKey(i), "");
    if (text.empty()) break;
    if (auto box = ParseBoxText(text)) state.m_boxes.push_back(*box);
  }
}

void SaveWindowBoxes(tmb::ProfileStore& profile, const CDrawState& state) {
  profile.WriteInt(kSection, "Total", static_cast<int>(state.m_boxes.size()));
  for (size_t i = 0; i < state.m_boxes.size(); ++i) {
    profile.WriteString(kSection, BoxKey(static_cast<int>(i) + 1), FormatBoxText(state.m_boxes[i]));
  }
}
