// The frame of drawing windows A and B: one row of three panes, the data-file tree
// (starting at zero width), the drawing view (the active view) and the settings panel,
// whatever view its template names.
#pragma once

#include "platform/ui/child_frame.h"

class QSplitter;

class CFrame_View : public tmb::ui::ChildFrame {
  Q_OBJECT

 public:
  // Takes its window kind from the kind being created and its place from the layout.
  explicit CFrame_View(tmb::ui::Document* document);
  ~CFrame_View() override;

  int kind() const { return m_nKind; }
  QSplitter* splitter() const { return m_wndSplitter; }

 protected:
  bool OnCreateClient(const tmb::ui::ViewFactory& templateView) override;

 private:
  int m_nKind;
  QSplitter* m_wndSplitter = nullptr;
};
