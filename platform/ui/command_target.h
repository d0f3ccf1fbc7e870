// Command handling: every menu item, toolbar button and accelerator carries one command
// id. A target holds a table of handlers and update handlers by id; a router offers an
// id to a chain of targets (view, document, frame, main frame, application) and the
// first target that knows the id takes it.
#pragma once

#include <functional>
#include <map>
#include <vector>

namespace tmb::ui {

// What an update pass decides for one command: enabled and checked. A command that no
// target handles stays disabled.
class CommandUpdate {
 public:
  explicit CommandUpdate(int id) : id_(id) {}
  int id() const { return id_; }
  void Enable(bool on = true) { enabled_ = on; }
  void SetCheck(bool on = true) { checked_ = on; }
  bool enabled() const { return enabled_; }
  bool checked() const { return checked_; }

 private:
  int id_;
  bool enabled_ = false;
  bool checked_ = false;
};

class CommandTarget {
 public:
  using Handler = std::function<void()>;
  using UpdateHandler = std::function<void(CommandUpdate&)>;

  virtual ~CommandTarget() = default;

  void OnCommand(int id, Handler handler) { handlers_[id] = std::move(handler); }
  void OnUpdate(int id, UpdateHandler handler) { updates_[id] = std::move(handler); }
  // Runs the handler of id; false when this target has none.
  bool RunCommand(int id);
  // With an update handler: enables the command and lets the handler decide. With only a
  // command handler: enables it. Otherwise false and the update is left to the next target.
  bool RunUpdate(CommandUpdate& update);

 private:
  std::map<int, Handler> handlers_;
  std::map<int, UpdateHandler> updates_;
};

// Offers commands to targets in order; null targets are skipped.
class CommandRouter {
 public:
  explicit CommandRouter(std::vector<CommandTarget*> chain) : chain_(std::move(chain)) {}
  // True when some target ran the command.
  bool Execute(int id) const;
  // Fills update from the first target that knows the id; disabled when none does.
  void Update(CommandUpdate& update) const;

 private:
  std::vector<CommandTarget*> chain_;
};

}  // namespace tmb::ui
