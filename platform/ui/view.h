// A view: a pane that shows a document. Views of one class share a view-class number so
// that window-kind lookups can find them without run-time type tests.
#pragma once

#include <QWidget>

#include "platform/ui/command_target.h"

namespace tmb::ui {

class ChildFrame;
class Document;

class View : public QWidget, public CommandTarget {
  Q_OBJECT

 public:
  View(Document* document, int viewClass, QWidget* parent = nullptr);
  ~View() override;

  Document* document() const { return document_; }
  int viewClass() const { return viewClass_; }
  // The child frame that holds this view; null while the view has none.
  ChildFrame* frame() const;

  // Called once the frame is complete, and whenever the document changed.
  virtual void OnInitialUpdate() { OnUpdate(); }
  virtual void OnUpdate() { update(); }
  // Redraws at once rather than at the next paint.
  void RedrawNow() { repaint(); }

 private:
  friend class Document;
  void DetachDocument() { document_ = nullptr; }

  Document* document_;
  int viewClass_;
};

}  // namespace tmb::ui
