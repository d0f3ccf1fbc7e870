// The image editor module's empty view: it belongs to its document and paints nothing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPointer>

#include "app/view_classes.h"
#include "imageedit/view/colset_view.h"
#include "platform/ui/document.h"

namespace {

TEST(Colset, BelongsToItsDocumentAndPaintsNothing) {
  QPointer<tmb::ui::Document> doc = new tmb::ui::Document;
  auto* view = new CColset(doc, kViewColset);
  EXPECT_EQ(view->document(), doc.data());
  EXPECT_EQ(view->viewClass(), kViewColset);
  view->resize(40, 30);
  QImage shown(40, 30, QImage::Format_RGB32);
  shown.fill(Qt::magenta);
  view->render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());  // no window background
  for (int y = 0; y < 30; y += 7) {
    for (int x = 0; x < 40; x += 9) EXPECT_EQ(shown.pixel(x, y), QColor(Qt::magenta).rgb()) << x << "," << y;
  }
  delete view;
  EXPECT_TRUE(doc.isNull()) << "the document went with its only view";
}

}  // namespace
