// A child frame: one window inside the main window's work area (a sub-window of its
// QMdiArea). It builds its panes when it is created, may split them with a splitter,
// and keeps one of them as its active view.
#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <optional>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/ui/command_target.h"

class QSplitter;

namespace tmb::ui {

class Document;
class View;

using ViewFactory = std::function<View*(Document* document, QWidget* parent)>;

class ChildFrame : public QMdiSubWindow, public CommandTarget {
  Q_OBJECT

 public:
  explicit ChildFrame(Document* document);
  ~ChildFrame() override;

  Document* document() const { return document_; }
  View* activeView() const { return activeView_; }
  void SetActiveView(View* view);
  // Where the frame goes in the main window's work area, and whether it starts minimised;
  // applied when the main window takes the frame.
  void SetPlacement(const QRect& place) { placement_ = place; }
  // A rectangle of the window layout; an empty one leaves the place to the work area.
  void SetPlacement(const tmb::Rect& place);
  void SetStartMinimized(bool on) { startMinimized_ = on; }
  // A window that stays open for the program's life: no close button, the close item of
  // its window menu greyed, and every other close the user asks for (a double click on
  // the menu icon, Ctrl+F4) refused.
  void DisableClose();
  const std::optional<QRect>& placement() const { return placement_; }
  bool startMinimized() const { return startMinimized_; }
  // The menu resource shown while this frame is active; 0 for the main menu.
  int menuId() const { return menuId_; }
  void SetMenuId(int id) { menuId_ = id; }

  // Builds the panes; the template's view factory makes the one view a plain frame
  // holds. False when a pane could not be made: the window is then abandoned.
  bool Create(const ViewFactory& templateView);

  // A pane of a splitter: the factory of its view and its starting width (or height).
  struct Pane {
    ViewFactory view;
    int size;
  };

 protected:
  virtual bool OnCreateClient(const ViewFactory& templateView);
  void closeEvent(QCloseEvent* event) override;
  // Makes the panes' views and puts them side by side (or one above the other) in a
  // splitter that becomes the frame's widget. Null, with no view left behind, when a
  // pane's view could not be made.
  QSplitter* CreateSplitter(Qt::Orientation orientation, const std::vector<Pane>& panes);

 private:
  Document* document_;
  View* activeView_ = nullptr;
  int menuId_ = 0;
  std::optional<QRect> placement_;
  bool startMinimized_ = false;
  bool userMayClose_ = true;
};

}  // namespace tmb::ui
