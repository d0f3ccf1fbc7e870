// 変換値を維持 in the running application: ticked, a style chosen from the 書体 menu leaves
// its values in window A's character; unticked, the character gets its own values back
// once the style has been drawn.
#include <QAction>
#include <array>

#include "app/kind_lookup.h"
#include "app/recorded_window_fixture.h"
#include "app/tmb_document.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

class KeepConversionValues : public RecordedWindowTest {
 protected:
  QMenuBar* bar() const { return frame()->menuBar(); }
  bool Ticked() const {
    const QAction* item = MenuItem(bar(), {"设置", "変換値を維持"});
    return item && item->isChecked();
  }
  // Parameters 0 to 4 of window A's character: smoothing, 崩し, linking, width, contrast.
  static std::array<int32_t, 5> Style() {
    const CCharDataFull& rec = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
    return {rec.m_param[0], rec.m_param[1], rec.m_param[2], rec.m_param[3], rec.m_param[4]};
  }
};

TEST_F(KeepConversionValues, AStyleFromTheMenuStaysOnlyWhileTheItemIsTicked) {
  constexpr std::array<int32_t, 5> kNoConversion = {0, 0, 10, 6, 0};
  const std::array<int32_t, 5> own = Style();
  ASSERT_NE(own, kNoConversion);
  // Ticked from the start.
  ASSERT_TRUE(Ticked());

  ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "変換値を維持"}));
  EXPECT_FALSE(Ticked());
  ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "書体", "無変換"}));
  EXPECT_EQ(Style(), own);

  ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "変換値を維持"}));
  EXPECT_TRUE(Ticked());
  ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "書体", "無変換"}));
  EXPECT_EQ(Style(), kNoConversion);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
