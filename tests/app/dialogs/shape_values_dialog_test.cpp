// Dialog 147 on a drawing view's two rendering words: confirmed, the view takes them and
// its character's outline is rebuilt; cancelled, nothing changes.
#include "app/dialogs/shape_values_dialog.h"

#include <QAbstractButton>
#include <array>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

using ShapeValuesDialog = AppTest;

TEST_F(ShapeValuesDialog, AConfirmedDialogSetsTheWordsAndRebuildsTheOutline) {
  ASSERT_TRUE(Start());
  CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
  ASSERT_NE(view, nullptr);
  CTmbDoc* doc = view->GetDocument();
  CCharDataFull& drawn = doc->m_char;
  for (int x = 100; x <= 300; x += 4) {
    const int i = drawn.m_nPoints++;
    drawn.m_pPoints[i] = {x, 300};
    drawn.m_pFlags[i] = x == 100 ? 1 : 0;
    drawn.m_pPressure[i] = -1;
  }
  drawn.m_nOutlineDirty = 1;
  doc->m_work.m_nPoints = 0;
  view->m_renderWords = {1, 0};

  EXPECT_FALSE(EditShapeValues(*view)) << "no step: the dialog is cancelled";
  EXPECT_EQ(view->m_renderWords, (std::array<int32_t, 2>{1, 0}));
  EXPECT_EQ(doc->m_work.m_nPoints, 0) << "no rebuild";

  dialogs.Then([](ui::DialogWindow& d) {
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(d.Control(133))->isChecked()) << "filled from the view";
    ScriptedDialogs::Click(d, 132);
    ScriptedDialogs::Click(d, 146);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_TRUE(EditShapeValues(*view));
  EXPECT_EQ(dialogs.shown, (std::vector<int>{147, 147}));
  EXPECT_EQ(view->m_renderWords, (std::array<int32_t, 2>{0, 1}));
  EXPECT_GT(doc->m_work.m_nPoints, 0) << "the outline was rebuilt";
}

}  // namespace
}  // namespace tmb::test
