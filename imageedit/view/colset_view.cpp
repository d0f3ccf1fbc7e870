#include "imageedit/view/colset_view.h"

CColset::CColset(tmb::ui::Document* document, int viewClass, QWidget* parent) : View(document, viewClass, parent) {}

void CColset::paintEvent(QPaintEvent* /*event*/) { static_cast<void>(document()); }
