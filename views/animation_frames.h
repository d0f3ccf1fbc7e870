// The drawing views as the animation stepping sees them: a view draws a frame's record in
// place of its window's own, which it gets back after; the windows are found by kind.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "export/animation/animation_windows.h"

class CTmbView;

class CViewAnimationFrame final : public AnimationFrameView {
 public:
  explicit CViewAnimationFrame(CTmbView& view) : m_view(view) {}
  bool PaintFrame(tmb::DeviceContext& dc, CCharDataFull& frame, int cellMode) override;
  const tmb::Surface& Picture() const override;

 private:
  CTmbView& m_view;
};

class CViewAnimationWindows final : public AnimationWindows {
 public:
  AnimationFrameView* ViewOfKind(int kind) override;
  // The preview window shows its picture again.
  void RefreshAfterFrame(int kind, int cellPreview) override;
  // The shape sheet of the current drawing window shows its record again, through the
  // loader the shell sets; 0 without one.
  int LoadShapeSheet() override { return m_loadShapeSheet ? m_loadShapeSheet() : 0; }
  void SetShapeSheetLoader(std::function<int()> load) { m_loadShapeSheet = std::move(load); }

 private:
  std::unique_ptr<CViewAnimationFrame> m_frame;
  std::function<int()> m_loadShapeSheet;
};
