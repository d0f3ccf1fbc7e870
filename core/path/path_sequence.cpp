#include "core/path/path_sequence.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

#include "core/canvas/work_canvas.h"

int gPathSequenceHold = 0;
CPathSequence gPathSequence;

CPathSequence::~CPathSequence() { FreePath(); }

int CPathSequence::PathCapacityFor(int frames) {
  int64_t capacity = int64_t(std::max(gWorkCanvas.m_nMaxPoints, 0)) * std::max(frames, 1);
  // Each point costs 10 bytes and a record may add 16 more: stay well inside int range.
  constexpr int64_t kLimit = std::numeric_limits<int32_t>::max() / 32;
  return static_cast<int>(std::min(capacity, kLimit));
}

int CPathSequence::Init(int frames) {
  if (!gPathSequenceHold) {
    m_nFrames = std::clamp(frames, 1, kMaxFrames);
    m_nFrameCounter = 0;
    m_bBackAndForth = 0;
  }
  if (!m_pPath) {
    m_pPath = new (std::nothrow) CStrokePath(PathCapacityFor(m_nFrames));
    m_bOwnsPath = m_pPath ? 1 : 0;
    if (!m_pPath) return 1;
  } else {
    ShrinkPath();
  }
  m_rcCanvas = gWorkCanvas.m_rect;
  m_pPath->SetCount(0);
  m_pPath->EnsureAuxBuffer(m_pPath->GetCapacity() / 32);
  return 1;
}

void CPathSequence::ShrinkPath() {
  if (!m_pPath) return;
  int half = PathCapacityFor(m_nFrames) / 2;
  if (m_pPath->GetCapacity() < half) m_pPath->Reallocate(half);
}

void CPathSequence::FreePath() {
  if (m_bOwnsPath) delete m_pPath;
  m_pPath = nullptr;
  m_bOwnsPath = 0;
}

int CPathSequence::AddFrame(tmb::Colour value, const ParamBlock& param) {
  if (m_nFrameCounter < 0 || m_nFrameCounter >= kMaxFrames) return 0;
  CSequenceFrame& frame = m_frames[size_t(m_nFrameCounter)];
  auto colourAt = [&param](int index) { return tmb::Colour(uint32_t(param[size_t(index)])); };
  frame.colour = value;
  frame.colourB = colourAt(157);
  frame.colourC = colourAt(159);
  for (size_t k = 0; k < frame.gradient.size(); ++k) {
    frame.gradient[k] = colourAt(152 + int(k));
    frame.weights[k] = param[172 + k];
  }
  ++m_nFrameCounter;
  return 1;
}
