// The main window: a work area of child frames, menus built from the menu resources,
// a toolbar, accelerators and a status bar. Every command goes through its router: the
// active frame's active view, that view's document, the frame, the main window, and
// last the application. An update pass before a menu opens (and an idle pass for the
// toolbar and keys) enables and checks each command; an id no target handles is disabled.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <span>
#include <vector>

#include "platform/ui/command_target.h"
#include "resources/accelerators.h"
#include "resources/toolbars.h"

class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace tmb::ui {

class Application;
class ChildFrame;

class MainFrame : public QMainWindow, public CommandTarget {
  Q_OBJECT

 public:
  explicit MainFrame(Application* app);
  ~MainFrame() override;

  QMdiArea* mdiArea() const { return mdi_; }
  void AddChildFrame(ChildFrame* frame);
  // The frame of the work area that has (or last had) the focus; null when none.
  ChildFrame* ActiveChildFrame() const;
  std::vector<ChildFrame*> ChildFrames() const;
  void ActivateChildFrame(ChildFrame* frame);

  // Replaces the menu bar by menu resource id (the main menu when there is none).
  void LoadMenu(int menuId);
  int currentMenu() const { return currentMenu_; }
  QToolBar* CreateToolBar(std::span<const ToolbarButton> buttons);
  void LoadAccelerators(std::span<const Accelerator> keys);
  // The action of a command id; null when no menu, button or key carries it.
  QAction* ActionOf(int id) const;
  // Fills menu with the popup at position of menu resource menuId (counting the lines of
  // level 0), its commands updated through the router as the popup opens. False when the
  // resource has no such popup.
  bool FillPopupMenu(QMenu& menu, int menuId, int position);

  // Runs command id through the router when its update pass enables it.
  bool ExecuteCommand(int id);
  CommandUpdate QueryCommand(int id) const;
  // The update pass over every action (the idle pass of toolbar and keys).
  void UpdateAllActions();

  // The work area's frames: overlapping from the top left, side by side, and the
  // minimised ones lined up at the bottom.
  void CascadeFrames();
  void TileFrames();
  void ArrangeIcons();

 protected:
  // Commands left out of every menu that is built.
  virtual bool IsMenuCommandShown(int) const { return true; }
  // The menu of the main window when no frame is active.
  virtual int DefaultMenu() const;
  // Called after each LoadMenu, for menus the program adds to the resource's.
  virtual void OnMenuLoaded(int /*menuId*/) {}
  // The idle pass's further work, after the commands were updated (the status panes).
  virtual void OnIdle() {}
  // The one action of command id, made on first need.
  QAction* ActionFor(int id);
  // Every command of popup is updated each time it opens.
  void UpdateWhenShown(QMenu* popup);

 private:
  // The chain of the moment: active view, its document, active frame, this, application.
  CommandRouter Router() const;
  static void UpdateAction(QAction* action, const CommandRouter& router);
  void OnFrameActivated();

  Application* app_;
  QMdiArea* mdi_;
  QTimer* idle_;
  std::map<int, QAction*> actions_;
  int currentMenu_ = -1;
};

}  // namespace tmb::ui
