// The data-file tree in the first column of every drawing window: the home folder, the
// data folder, the file system's root and the mounted volumes, their folders and the
// character data files in them. It opens at the folder the program was started in, lists
// a folder when it is opened or chosen (a volume only then), and a chosen file gives its
// settings to the window's character, whose points stay.
#pragma once

#include <string>

#include "platform/ui/view.h"

class CTmbDoc;
class QTreeWidget;
class QTreeWidgetItem;

class CListv : public tmb::ui::View {
  Q_OBJECT

 public:
  // Takes its window kind from the kind being created (CDrawState::m_nCreatingKind).
  CListv(tmb::ui::Document* document, int viewClass, QWidget* parent = nullptr);

  // Builds the tree again: the roots, and the way down to the start folder, opened.
  void OnInitialUpdate() override;
  void OnUpdate() override {}

  // Lists folder item's sub-folders and data files under it (once). False, with the item
  // left empty, when the folder cannot be read.
  bool FillFolder(QTreeWidgetItem* item);
  // A chosen item: a file gives its settings to the window's character; a folder not yet
  // listed is listed, with a beep when it cannot be read. The choice is then undone, so
  // that the same item can be chosen again.
  void OnSelChanged(QTreeWidgetItem* item);

  QTreeWidget* tree() const { return m_pTree; }
  // The absolute path an item stands for, as the file system's bytes.
  static std::string PathOf(const QTreeWidgetItem* item);
  static bool IsFolderItem(const QTreeWidgetItem* item);

 private:
  // Adds a child of parent (or a root when parent is null), in the order given.
  QTreeWidgetItem* InsertItem(QTreeWidgetItem* parent, const QString& text, const std::string& path, bool folder,
                              bool hasChildren);
  void OnExpanded(QTreeWidgetItem* item);
  void OnSelectionChanged();

  int m_nKind;
  QTreeWidget* m_pTree;
};
