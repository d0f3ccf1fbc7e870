// The tamberi executable: the calligraphy studio's main window.
#include <QApplication>
#include <QMainWindow>

#include "platform/ui/start_options.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Tamberi"));
  window.resize(1024, 768);
  window.show();
  tmb::ui::ApplyStartOptions(app);
  return app.exec();
}
