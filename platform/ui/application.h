// The application object: it starts the program (InitInstance), runs the event loop,
// ends it (ExitInstance), owns the document templates and is the last command target.
#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "platform/ui/command_target.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/main_frame.h"

namespace tmb::ui {

class Application : public CommandTarget {
 public:
  Application();
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // False ends the program before the event loop.
  virtual bool InitInstance() = 0;
  // After the main window is gone.
  virtual int ExitInstance() { return 0; }
  // InitInstance, the event loop, then ExitInstance; the event loop's exit code.
  int Run();

  MainFrame* mainWindow() const { return mainWindow_; }
  void SetMainWindow(MainFrame* frame) { mainWindow_ = frame; }

  DocTemplate* AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
  void RemoveDocTemplates() { templates_.clear(); }

 private:
  QPointer<MainFrame> mainWindow_;
  std::vector<std::unique_ptr<DocTemplate>> templates_;
};

}  // namespace tmb::ui
