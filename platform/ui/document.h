// A document: the data one or more views show. It is deleted when its last view goes,
// so holders keep it through a QPointer.
#pragma once

#include <QObject>
#include <vector>

#include "platform/ui/command_target.h"

namespace tmb::ui {

class View;

class Document : public QObject, public CommandTarget {
  Q_OBJECT

 public:
  Document();
  ~Document() override;

  const std::vector<View*>& views() const { return views_; }
  void AddView(View* view);
  // Removes view; the document deletes itself when that was its last view.
  void RemoveView(View* view);

  virtual bool IsModified() const { return modified_; }
  void SetModified(bool modified = true) { modified_ = modified; }

  // Asks every view to show the document again.
  void UpdateAllViews();

 private:
  std::vector<View*> views_;
  bool modified_ = false;
};

}  // namespace tmb::ui
