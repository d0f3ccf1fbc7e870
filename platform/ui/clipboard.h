// The clipboard: pictures put there by the program and taken back from it, and the text
// a list is pasted from. Tests install a clipboard of their own.
#pragma once

#include <QImage>
#include <QString>

namespace tmb::ui {

class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  virtual void SetImage(const QImage& image) = 0;
  // A null image when the clipboard holds no picture.
  virtual QImage Image() const = 0;
  // The clipboard's text; empty when it holds none.
  virtual QString Text() const = 0;
  virtual void Clear() = 0;
};

// The desktop's clipboard until another service is installed.
ClipboardService& Clipboard();
void SetClipboardService(ClipboardService* service);

}  // namespace tmb::ui
