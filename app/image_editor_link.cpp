#include "app/image_editor_link.h"

#include "brush/render/outline_preview.h"
#include "imageedit/view/bmp_view_window.h"

namespace {

class CEditorPictureLink final : public ImageEditorLink {
 public:
  tmb::Surface* Picture() override {
    CBmpViewWindow* window = CBmpViewWindow::Instance();
    if (!window || window->editor().m_bmpWork.IsNull()) return nullptr;
    return &window->editor().m_bmpWork;
  }
};

CEditorPictureLink gEditorPictureLink;

}  // namespace

void InstallImageEditorLink() { SetImageEditorLink(&gEditorPictureLink); }

void RemoveImageEditorLink() {
  if (&ImageEditor() == &gEditorPictureLink) SetImageEditorLink(nullptr);
}
