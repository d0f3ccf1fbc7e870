// F1 in a dialog or a property page asks for the help of what has the focus: a control's
// help context is its id + 0x10000, that of a dialog (for its buttons without an id of
// their own, and for IDHELP, 9) its template id + 0x20000. F1 elsewhere is the main
// window's own help command.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace tmb::ui {

constexpr int kHelpContextControl = 0x10000;
constexpr int kHelpContextDialog = 0x20000;

// The help context of widget, which lies in a dialog or a property page; 0 when it lies in
// neither (a widget of the main window).
int HelpContextOf(const QWidget* widget);

class ContextHelp final : public QObject {
 public:
  // Installs itself over the program's input; help is called with the context.
  explicit ContextHelp(std::function<void(int context)> help);
  ~ContextHelp() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(int)> help_;
};

}  // namespace tmb::ui
