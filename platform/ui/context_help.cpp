#include "platform/ui/context_help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/ui/dialog.h"
#include "platform/ui/property_sheet.h"

namespace tmb::ui {
namespace {

constexpr int kIdHelp = 9;

// The id of a control of our dialogs, named "ctl" and its id; 0 for other widgets.
int ControlIdOf(const QWidget* widget) {
  const QString name = widget->objectName();
  if (!name.startsWith(QLatin1String("ctl"))) return 0;
  bool ok = false;
  const int id = name.mid(3).toInt(&ok);
  return ok ? id : 0;
}

}  // namespace

int HelpContextOf(const QWidget* widget) {
  int control = 0;
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    if (!control) control = ControlIdOf(w);
    int templateId = 0;
    if (auto* dialog = qobject_cast<const DialogWindow*>(w)) templateId = dialog->templateId();
    if (auto* page = qobject_cast<const PropertyPage*>(w)) templateId = page->templateId();
    if (!templateId) continue;
    if (control >= 1 && control != kIdHelp) return control + kHelpContextControl;
    return templateId + kHelpContextDialog;
  }
  return 0;
}

ContextHelp::ContextHelp(std::function<void(int)> help) : help_(std::move(help)) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

ContextHelp::~ContextHelp() = default;

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  const int context = widget ? HelpContextOf(widget) : 0;
  if (!context) return false;
  // In a dialog F1 is the dialog's help, not the main window's key.
  if (type == QEvent::ShortcutOverride) {
    event->accept();
    return false;
  }
  if (help_) help_(context);
  return true;
}

}  // namespace tmb::ui
