#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tmb::ui {
namespace {

class DesktopClipboard final : public ClipboardService {
 public:
  void SetImage(const QImage& image) override { QGuiApplication::clipboard()->setImage(image); }
  QImage Image() const override { return QGuiApplication::clipboard()->image(); }
  QString Text() const override { return QGuiApplication::clipboard()->text(); }
  void Clear() override { QGuiApplication::clipboard()->clear(); }
};

DesktopClipboard gDesktop;
ClipboardService* gService = &gDesktop;

}  // namespace

ClipboardService& Clipboard() { return *gService; }

void SetClipboardService(ClipboardService* service) { gService = service ? service : &gDesktop; }

}  // namespace tmb::ui
