#include "views/data_file_tree.h"

#include <QByteArray>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdlib>
#include <vector>

#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/file/data_file_listing.h"
#include "core/state/draw_state.h"
#include "platform/file/mounted_volumes.h"
#include "platform/service/messages.h"

namespace {

enum ItemRole {
  kRolePath = Qt::UserRole,  // QByteArray: the absolute path's bytes
  kRoleFolder,               // bool
  kRoleFilled,               // bool: the folder was listed
};

// Settings only: the points of the window's character stay.
constexpr int kSettingsOnly = 1;

QString DisplayName(const std::string& bytes) { return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())); }

}  // namespace

CListv::CListv(tmb::ui::Document* document, int viewClass, QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), m_nKind(gDrawState.m_nCreatingKind), m_pTree(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("dataFileTree"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pTree);
  m_pTree->setHeaderHidden(true);
  m_pTree->setRootIsDecorated(true);
  m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(m_pTree, &QTreeWidget::itemExpanded, this, &CListv::OnExpanded);
  connect(m_pTree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
  });
  connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &CListv::OnSelectionChanged);
}

std::string CListv::PathOf(const QTreeWidgetItem* item) {
  const QByteArray bytes = item ? item->data(0, kRolePath).toByteArray() : QByteArray();
  return std::string(bytes.constData(), size_t(bytes.size()));
}

bool CListv::IsFolderItem(const QTreeWidgetItem* item) { return item && item->data(0, kRoleFolder).toBool(); }

QTreeWidgetItem* CListv::InsertItem(QTreeWidgetItem* parent, const QString& text, const std::string& path, bool folder,
                                    bool hasChildren) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_pTree);
  item->setText(0, text);
  item->setData(0, kRolePath, QByteArray(path.data(), qsizetype(path.size())));
  item->setData(0, kRoleFolder, folder);
  item->setData(0, kRoleFilled, false);
  item->setIcon(0, style()->standardIcon(folder ? QStyle::SP_DirClosedIcon : QStyle::SP_FileIcon));
  item->setChildIndicatorPolicy(folder && hasChildren ? QTreeWidgetItem::ShowIndicator
                                                      : QTreeWidgetItem::DontShowIndicator);
  return item;
}

bool CListv::FillFolder(QTreeWidgetItem* item) {
  if (!IsFolderItem(item)) return false;
  if (item->data(0, kRoleFilled).toBool()) return true;
  std::vector<CFolderItem> entries;
  if (!ListDataFolder(PathOf(item), entries)) {
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    return false;
  }
  for (const CFolderItem& e : entries) InsertItem(item, DisplayName(e.m_strName), e.m_strPath, e.m_bFolder, e.m_bHasChildren);
  item->setData(0, kRoleFilled, true);
  item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
  return true;
}

void CListv::OnInitialUpdate() {
  m_pTree->clear();
  const char* home = std::getenv("HOME");
  const std::vector<CTreeRoot> roots =
      ListTreeRoots(home ? home : "", gDrawState.m_szCurFolder, tmb::MountedVolumes());
  std::vector<QTreeWidgetItem*> rootItems;
  // A root is read only when it is opened: a volume may be slow or gone.
  for (const CTreeRoot& r : roots) rootItems.push_back(InsertItem(nullptr, DisplayName(r.m_strText), r.m_strPath, true, true));

  std::vector<std::string> below;
  const int root = FindRootOf(roots, gDrawState.m_szCurFolderCrt, below);
  if (root < 0) return;
  QTreeWidgetItem* item = rootItems[size_t(root)];
  // The folder listed last on the way down: the start folder's parent.
  QTreeWidgetItem* filled = nullptr;
  for (const std::string& name : below) {
    if (!FillFolder(item)) break;
    filled = item;
    QTreeWidgetItem* next = nullptr;
    for (int c = 0; c < item->childCount() && !next; ++c) {
      QTreeWidgetItem* child = item->child(c);
      if (IsFolderItem(child) && PathOf(child) == PathOf(item) + (PathOf(item) == "/" ? "" : "/") + name) next = child;
    }
    if (!next) break;
    item = next;
  }
  // The start folder shows in its opened parent, which is the first item in sight.
  for (QTreeWidgetItem* up = filled; up; up = up->parent()) up->setExpanded(true);
  m_pTree->scrollToItem(filled ? filled : item, QAbstractItemView::PositionAtTop);
}

void CListv::OnExpanded(QTreeWidgetItem* item) {
  if (!FillFolder(item)) return;
  item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
}

void CListv::OnSelectionChanged() {
  const QList<QTreeWidgetItem*> items = m_pTree->selectedItems();
  if (items.isEmpty()) return;
  QTreeWidgetItem* item = items.front();
  {
    QSignalBlocker block(m_pTree);
    m_pTree->clearSelection();
  }
  OnSelChanged(item);
}

void CListv::OnSelChanged(QTreeWidgetItem* item) {
  if (!item) return;
  if (!IsFolderItem(item)) {
    if (CTmbDoc* doc = TmbDocOfKind(m_nKind)) doc->LoadFile(PathOf(item), kSettingsOnly);
    return;
  }
  if (item->childCount() > 0 || item->data(0, kRoleFilled).toBool()) return;
  if (!FillFolder(item)) tmb::Beep();
}
