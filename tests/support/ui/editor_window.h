// The image editor's window for tests: made, shown at a size, set up and painted once, as
// the framework leaves it when it opens.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/view_classes.h"
#include "imageedit/view/bmp_view_window.h"

namespace tmb::test {

inline std::unique_ptr<CBmpViewWindow> OpenEditorWindow(int width, int height) {
  auto window = std::make_unique<CBmpViewWindow>(nullptr, kViewBmp);
  window->resize(width, height);
  window->show();
  window->OnInitialUpdate();
  DeviceContext client;
  window->PrepareClientDC(client);
  window->editor().OnDraw(client);
  EXPECT_EQ(window->editor().m_bSetUpDone, 1);
  return window;
}

}  // namespace tmb::test
