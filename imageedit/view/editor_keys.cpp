#include "imageedit/view/editor_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "platform/ui/main_frame.h"
#include "resources/accelerators.h"

void InstallEditorKeys(QWidget* window) {
  for (const tmb::Accelerator& key : tmb::EditorAccelerators()) {
    auto* shortcut = new QShortcut(QKeySequence(QString::fromUtf8(key.keys)), window);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    const int id = key.id;
    QObject::connect(shortcut, &QShortcut::activated, window, [window, id] {
      if (auto* main = qobject_cast<tmb::ui::MainFrame*>(window->window())) main->ExecuteCommand(id);
    });
  }
}
