// A brush render state's values handed to and from a stroke work object: its parameters and
// the five words that follow them there (the render request and the four saved values).
#include "brush/render/brush_state.h"
#include "core/path/stroke_work.h"

namespace {

// Where each of the state's five values stands among the work object's words: the render
// request in the second, the saved values in the fifth, third, fourth and first.
constexpr int kRequestWord = 1;
constexpr int kSavedWords[4] = {4, 2, 3, 0};

bool IsStateIndex(int index) { return index == 0 || index == 1; }

}  // namespace

void CBrushState::SaveToWork(const CStrokeWork& work, int index) {
  if (!IsStateIndex(index)) return;
  CBrushState& state = gBrushStates[index];
  state.m_param = work.m_param;
  state.m_bRenderRequest = work.m_brushWords[kRequestWord];
  for (int k = 0; k < 4; ++k) state.m_saved[size_t(k)] = work.m_brushWords[size_t(kSavedWords[k])];
}

void CBrushState::RestoreToWork(CStrokeWork& work, int index) {
  if (!IsStateIndex(index)) return;
  const CBrushState& state = gBrushStates[index];
  work.m_brushWords[kRequestWord] = state.m_bRenderRequest;
  for (int k = 0; k < 4; ++k) work.m_brushWords[size_t(kSavedWords[k])] = state.m_saved[size_t(k)];
}
