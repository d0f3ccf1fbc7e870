// A window for the image editor in engine tests: a surface showing the whole scroll area,
// the scroll position moved by hand, and the commands the editor sent.
#pragma once

#include <vector>

#include "core/record/char_data.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view_host.h"
#include "platform/gdi/surface.h"

namespace tmb::test {

class EditorHost final : public CBmpViewHost {
 public:
  EditorHost(int width, int height) { screen.Create(width, height, PixelFormat::kColour32); }

  void PrepareClientDC(DeviceContext& dc) override {
    dc.SelectSurface(&screen);
    dc.SetViewportOrigin({-scroll.x, -scroll.y});
  }
  Rect ClientRectLogical() const override { return {scroll.x, scroll.y, scroll.x + screen.width(), scroll.y + screen.height()}; }
  Point ScrollPosition() const override { return scroll; }
  void SendCommand(int id) override { commands.push_back(id); }
  Surface* WindowPicture(int kind) override { return kind == pictureKind ? picture : nullptr; }
  Rect WindowRegion(int kind) override { return kind == pictureKind ? region : Rect{}; }
  CCharData* WindowRecord(int kind, int which) override { return kind == pictureKind && !which ? record : nullptr; }

  Surface screen;
  Point scroll{};
  std::vector<int> commands;
  int pictureKind = kKindDrawA;
  Surface* picture = nullptr;
  Rect region{};
  CCharData* record = nullptr;
};

}  // namespace tmb::test
