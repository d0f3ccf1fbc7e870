// The drawing views as the animation stepping sees them: a view draws a frame's record in
// place of its window's own, which it gets back after, and shows it at once; the preview
// shows each frame, whole or by its written cells, and hands it to the clipboard.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "export/animation/animation_windows.h"

class CTmbView;

class CViewAnimationFrame final : public AnimationFrameView {
 public:
  explicit CViewAnimationFrame(CTmbView& view) : m_view(view) {}
  bool PaintFrame(tmb::DeviceContext& dc, CCharDataFull& frame) override;
  const tmb::Surface& Picture() const override;

 private:
  CTmbView& m_view;
};

class CViewAnimationWindows final : public AnimationWindows {
 public:
  AnimationFrameView* ViewOfKind(int kind) override;
  // The frame into the preview (its cells in vertical order with cellPreview), shown, and
  // the settings pane of the window drawn again.
  void RefreshAfterFrame(int kind, CCharDataFull& frame, int cellPreview) override;
  // The shape sheet of the current drawing window shows its record again, through the
  // loader the shell sets; 0 without one.
  int LoadShapeSheet() override { return m_loadShapeSheet ? m_loadShapeSheet() : 0; }
  void SetShapeSheetLoader(std::function<int()> load) { m_loadShapeSheet = std::move(load); }
  // The preview's canvas block (the frame as it shows it; the frame itself while no
  // preview is open) onto the clipboard, then the notice the shell sets; without a notice
  // the animation goes on.
  bool CopyFrameToClipboard(const tmb::Surface& frame, const tmb::Rect& canvas) override;
  // The notice after each frame sent: true goes on to the next frame.
  void SetClipboardNotice(std::function<bool()> notice) { m_clipboardNotice = std::move(notice); }
  // The sheet shown at page by the shower the shell sets; nothing without one.
  void ShowAnimationSheet(int page) override {
    if (m_showSheet) m_showSheet(page);
  }
  void SetAnimationSheetShower(std::function<void(int)> show) { m_showSheet = std::move(show); }

 private:
  std::unique_ptr<CViewAnimationFrame> m_frame;
  std::function<int()> m_loadShapeSheet;
  std::function<bool()> m_clipboardNotice;
  std::function<void(int)> m_showSheet;
};
