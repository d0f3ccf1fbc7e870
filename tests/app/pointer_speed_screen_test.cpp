// The pointer speed on a real X server: a drawing view sets the pen's speed while it has
// the focus, and the speed the user had comes back when it loses the focus and when the
// program ends. It runs only on the xcb platform (CTest starts it under Xvfb).
#include <QTest>
#include <memory>

#include "app/app_fixture.h"
#include "platform/ui/x11_pointer_speed.h"
#include "support/ui/x_pointer_control.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

using Control = PointerControl;

class PointerSpeedOnX11 : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    x_ = std::make_unique<XPointerControl>();
    if (x_->IsOpen()) before_ = x_->Read();
  }
  void TearDown() override {
    if (x_->IsOpen()) x_->Write(before_);
    x_.reset();
    AppTest::TearDown();
  }
  Control Read() { return x_->Read(); }
  void Write(const Control& c) { x_->Write(c); }
  bool HasDisplay() const { return x_->IsOpen(); }
  static void Focus(CTmbView* view, bool in) {
    if (in) {
      view->area()->setFocus(Qt::MouseFocusReason);
    } else {
      view->area()->clearFocus();
    }
    QCoreApplication::processEvents();
  }

  // Window A's drawing view once the frame is shown and active; null when it is not.
  CTmbView* ShownDrawingViewA() {
    if (!QTest::qWaitForWindowExposed(frame())) return nullptr;
    frame()->activateWindow();
    if (!QTest::qWaitForWindowActive(frame())) return nullptr;
    return qobject_cast<CTmbView*>(FrameOfKind(kKindDrawA)->activeView());
  }

  std::unique_ptr<XPointerControl> x_;
  Control before_;
};

TEST_F(PointerSpeedOnX11, ADrawingViewSetsThePensSpeedAndTheUsersComesBackAtFocusLossAndAtExit) {
  if (!HasDisplay()) GTEST_SKIP() << "needs an X server";
  const Control user{5, 3, 7};  // no preset gives this one
  const Control pen{16, 10, 7};  // pen level 5: speed 16, the user's threshold kept
  Write(user);
  ui::X11PointerSpeed pointer;
  ASSERT_TRUE(pointer.IsInstalled());
  profile.WriteInt("Data", "ChangeMouseSpeed", 1);
  profile.WriteInt("Data", "PenSpeed", 6);  // stored one above the level

  ASSERT_TRUE(Start());
  EXPECT_EQ(Read(), user) << "the start only reads the speed";
  EXPECT_EQ(gDrawState.m_nSavedMouseSpeed, 17);
  CTmbView* view = ShownDrawingViewA();
  ASSERT_TRUE(view);

  Focus(view, true);
  EXPECT_EQ(Read(), pen);
  Focus(view, false);
  EXPECT_EQ(Read(), user);
  Focus(view, true);
  EXPECT_EQ(Read(), pen);
  frame()->close();
  FlushDeletes();
  EXPECT_EQ(Read(), user) << "put back at the end";
}

TEST_F(PointerSpeedOnX11, WithTheSwitchOffTheSpeedIsNeverChanged) {
  if (!HasDisplay()) GTEST_SKIP() << "needs an X server";
  const Control user{3, 1, 2};
  Write(user);
  ui::X11PointerSpeed pointer;
  ASSERT_TRUE(Start());
  EXPECT_EQ(gDrawState.m_bChangeMouseSpeed, 0) << "off unless the user turns it on";
  CTmbView* view = ShownDrawingViewA();
  ASSERT_TRUE(view);
  Focus(view, true);
  EXPECT_EQ(Read(), user);
  frame()->close();
  FlushDeletes();
  EXPECT_EQ(Read(), user);
}

}  // namespace
}  // namespace tmb::test
