// The toolbar's context help: after its button the pointer asks for a control or a
// window, and the next click on one opens the help for it instead of reaching it; Escape
// leaves without help.
#pragma once

#include <QObject>
#include <functional>

class CContextHelpMode final : public QObject {
 public:
  explicit CContextHelpMode(std::function<void(int context)> help) : help_(std::move(help)) {}
  ~CContextHelpMode() override { Leave(); }

  void Enter();
  void Leave();
  bool active() const { return active_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(int)> help_;
  bool active_ = false;
};
