#include "imageedit/editor/area_setting.h"

#include <algorithm>
#include <utility>

#include "core/state/draw_state.h"
#include "platform/service/messages.h"

namespace {

constexpr int kCancel = 2;
constexpr int kMsgNoRegion = 62059;

AreaSettingRunner gRunner;

void Order(unsigned& low, unsigned& high) {
  if (low > high) std::swap(low, high);
}

}  // namespace

void CAreaSettingState::OnFieldChanged(int field) {
  switch (field) {
    case kWidth:
    case kLeft: m_nRight = m_nLeft + m_nWidth; break;
    case kHeight:
    case kTop: m_nBottom = m_nTop + m_nHeight; break;
    case kRight:
    case kBottom:
      Order(m_nLeft, m_nRight);
      Order(m_nTop, m_nBottom);
      if (field == kRight) {
        m_nWidth = m_nRight - m_nLeft;
      } else {
        m_nHeight = m_nBottom - m_nTop;
      }
      break;
    default: break;
  }
}

void CAreaSettingState::SetRegion(tmb::Rect region) {
  region.Normalize();
  m_nLeft = unsigned(std::max(0, region.left));
  m_nTop = unsigned(std::max(0, region.top));
  m_nRight = unsigned(std::max(0, region.right));
  m_nBottom = unsigned(std::max(0, region.bottom));
  m_nWidth = m_nRight - m_nLeft;
  m_nHeight = m_nBottom - m_nTop;
}

void CAreaSettingState::KeepInside(int width, int height) {
  const auto w = unsigned(std::max(0, width));
  const auto h = unsigned(std::max(0, height));
  Order(m_nLeft, m_nRight);
  Order(m_nTop, m_nBottom);
  m_nLeft = std::min(m_nLeft, w);
  m_nRight = std::min(m_nRight, w);
  m_nTop = std::min(m_nTop, h);
  m_nBottom = std::min(m_nBottom, h);
  m_nWidth = m_nRight - m_nLeft;
  m_nHeight = m_nBottom - m_nTop;
}

bool CAreaSettingState::Record(bool valid, const tmb::Rect& region) {
  if (!valid) {
    tmb::Beep();
    if (m_nTarget == 1) tmb::ShowMessage(kMsgNoRegion);
    return false;
  }
  if (m_boxes.Contains(region)) {
    tmb::Beep();
    return false;
  }
  return m_boxes.Append(region);
}

void SetAreaSettingRunner(AreaSettingRunner runner) { gRunner = std::move(runner); }

CAreaSettingState& AreaSettingState() {
  static CAreaSettingState state;
  return state;
}

bool RunAreaSettingDialog(tmb::Point& corner1, tmb::Point& corner2, int mode) {
  CAreaSettingState& s = AreaSettingState();
  s.m_nTarget = mode;
  s.SetRegion({corner1.x, corner1.y, corner2.x, corner2.y});
  s.m_boxes.Allocate(kAreaListCapacity);
  s.m_boxes.CopyFromRects(gDrawState.m_boxes);
  s.m_bResult = 0;
  const int answer = gRunner ? gRunner(s) : kCancel;
  if (answer == kCancel) return false;
  const tmb::Rect r = s.Region();
  corner1 = {r.left, r.top};
  corner2 = {r.right, r.bottom};
  gDrawState.m_boxes = s.m_boxes.ToRects();
  return true;
}
