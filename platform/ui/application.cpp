#include "platform/ui/application.h"

#include <QApplication>

namespace tmb::ui {

Application::Application() = default;

Application::~Application() = default;

int Application::Run() {
  if (!InitInstance()) {
    delete mainWindow_.data();
    return 1;
  }
  int code = QApplication::exec();
  ExitInstance();
  return code;
}

DocTemplate* Application::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) {
  templates_.push_back(std::move(docTemplate));
  return templates_.back().get();
}

}  // namespace tmb::ui
