#include "platform/ui/main_frame.h"

#include <QAction>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "platform/ui/application.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/document.h"
#include "platform/ui/view.h"
#include "resources/menus.h"
#include "resources/string_table.h"

namespace tmb::ui {
namespace {

// Toolbar and accelerator states are refreshed this often while the program is idle.
constexpr int kIdleUpdateMs = 250;

QKeySequence KeyOf(const Accelerator& accelerator) {
  switch (accelerator.key) {
    case StandardKey::kNone: return QKeySequence::fromString(QString::fromUtf8(accelerator.keys));
    case StandardKey::kOpen: return QKeySequence::Open;
    case StandardKey::kSave: return QKeySequence::Save;
    case StandardKey::kSaveAs: return QKeySequence::SaveAs;
    case StandardKey::kPrint: return QKeySequence::Print;
    case StandardKey::kQuit: return QKeySequence::Quit;
    case StandardKey::kHelp: return QKeySequence::HelpContents;
  }
  return {};
}

}  // namespace

MainFrame::MainFrame(Application* app) : app_(app), mdi_(new QMdiArea(this)), idle_(new QTimer(this)) {
  mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { OnFrameActivated(); });
  connect(idle_, &QTimer::timeout, this, [this] { UpdateAllActions(); });
  idle_->start(kIdleUpdateMs);
}

MainFrame::~MainFrame() {
  // The work area outlives this part of the object while Qt takes the window apart.
  disconnect(mdi_, nullptr, this, nullptr);
  idle_->stop();
}

void MainFrame::AddChildFrame(ChildFrame* frame) {
  mdi_->addSubWindow(frame);
  if (frame->placement()) frame->setGeometry(*frame->placement());
  if (frame->startMinimized()) {
    frame->showMinimized();
  } else {
    frame->show();
  }
  mdi_->setActiveSubWindow(frame);
  OnFrameActivated();
}

ChildFrame* MainFrame::ActiveChildFrame() const {
  return qobject_cast<ChildFrame*>(mdi_->currentSubWindow());
}

std::vector<ChildFrame*> MainFrame::ChildFrames() const {
  std::vector<ChildFrame*> frames;
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    if (auto* f = qobject_cast<ChildFrame*>(w)) frames.push_back(f);
  }
  return frames;
}

void MainFrame::ActivateChildFrame(ChildFrame* frame) {
  mdi_->setActiveSubWindow(frame);
  OnFrameActivated();
}

void MainFrame::OnFrameActivated() {
  ChildFrame* frame = ActiveChildFrame();
  int menu = frame && frame->menuId() && !FindMenuResource(frame->menuId()).empty() ? frame->menuId()
                                                                                       : DefaultMenu();
  if (menu != currentMenu_) LoadMenu(menu);
}

int MainFrame::DefaultMenu() const { return kMenuMain; }

QAction* MainFrame::ActionFor(int id) {
  auto it = actions_.find(id);
  if (it != actions_.end()) return it->second;
  auto* action = new QAction(this);
  action->setData(id);
  action->setEnabled(false);
  connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
  actions_[id] = action;
  return action;
}

QAction* MainFrame::ActionOf(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void MainFrame::LoadMenu(int menuId) {
  std::span<const MenuLine> lines = FindMenuResource(menuId);
  currentMenu_ = menuId;
  QMenuBar* bar = menuBar();
  // The popups of the menu replaced go with it (later: a command of one of them may be
  // what switched the menu); the shared actions stay.
  for (QAction* a : bar->actions()) {
    if (QMenu* popup = a->menu()) popup->deleteLater();
  }
  bar->clear();
  // menus[k] is the open popup of level k; the menu bar stands above level 0.
  std::vector<QMenu*> menus;
  for (const MenuLine& line : lines) {
    menus.resize(static_cast<size_t>(line.level));
    QMenu* parent = line.level == 0 ? nullptr : menus.back();
    if (line.id == kMenuPopup) {
      QMenu* popup = parent ? parent->addMenu(QString::fromUtf8(line.text))
                            : bar->addMenu(QString::fromUtf8(line.text));
      UpdateWhenShown(popup);
      menus.push_back(popup);
    } else if (!parent) {
      continue;  // a command directly on the menu bar has no place in this design
    } else if (line.id == 0) {
      parent->addSeparator();
    } else if (IsMenuCommandShown(line.id)) {
      QAction* action = ActionFor(line.id);
      action->setText(QString::fromUtf8(line.text));
      parent->addAction(action);
    }
  }
  OnMenuLoaded(menuId);
}

void MainFrame::UpdateWhenShown(QMenu* popup) {
  connect(popup, &QMenu::aboutToShow, this, [this, popup] {
    const CommandRouter router = Router();
    for (QAction* a : popup->actions()) {
      if (!a->menu() && !a->isSeparator()) UpdateAction(a, router);
    }
  });
}

bool MainFrame::FillPopupMenu(QMenu& menu, int menuId, int position) {
  const std::span<const MenuLine> lines = FindMenuResource(menuId);
  size_t at = lines.size();
  int popups = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].level == 0 && popups++ == position) {
      at = i;
      break;
    }
  }
  if (at == lines.size() || lines[at].id != kMenuPopup) return false;
  UpdateWhenShown(&menu);
  // menus[k] is the open popup of level k + 1.
  std::vector<QMenu*> menus{&menu};
  for (size_t i = at + 1; i < lines.size() && lines[i].level > 0; ++i) {
    const MenuLine& line = lines[i];
    menus.resize(static_cast<size_t>(line.level));
    QMenu* parent = menus.back();
    if (line.id == kMenuPopup) {
      QMenu* popup = parent->addMenu(QString::fromUtf8(line.text));
      UpdateWhenShown(popup);
      menus.push_back(popup);
    } else if (line.id == 0) {
      parent->addSeparator();
    } else {
      // The popup's own action: the popup names some commands otherwise than the menu bar.
      auto* action = new QAction(QString::fromUtf8(line.text), parent);
      const int id = line.id;
      action->setData(id);
      connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
      parent->addAction(action);
    }
  }
  return true;
}

QToolBar* MainFrame::CreateToolBar(std::span<const ToolbarButton> buttons) {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("toolbar"));
  bar->setMovable(false);
  bar->setIconSize(QSize(16, 16));
  for (const ToolbarButton& b : buttons) {
    if (b.id == 0) {
      bar->addSeparator();
      continue;
    }
    QAction* action = ActionFor(b.id);
    if (b.icon) action->setIcon(QIcon(QString::fromUtf8(b.icon)));
    // The prompt: the status bar's line, then after a line break the tip.
    const QString prompt = QString::fromStdString(LoadStringText(b.id));
    if (!prompt.isEmpty()) {
      action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
      action->setToolTip(prompt.section(QLatin1Char('\n'), -1));
    }
    bar->addAction(action);
  }
  addToolBar(Qt::TopToolBarArea, bar);
  return bar;
}

void MainFrame::LoadAccelerators(std::span<const Accelerator> keys) {
  for (const Accelerator& key : keys) {
    QAction* action = ActionFor(key.id);
    action->setShortcut(KeyOf(key));
    action->setShortcutContext(Qt::ApplicationShortcut);
    addAction(action);  // keys work even while no menu holds the command
  }
}

CommandRouter MainFrame::Router() const {
  ChildFrame* frame = ActiveChildFrame();
  View* view = frame ? frame->activeView() : nullptr;
  Document* document = view ? view->document() : nullptr;
  return CommandRouter({view, document, frame, const_cast<MainFrame*>(this), app_});
}

CommandUpdate MainFrame::QueryCommand(int id) const {
  CommandUpdate update(id);
  Router().Update(update);
  return update;
}

bool MainFrame::ExecuteCommand(int id) {
  if (!QueryCommand(id).enabled()) return false;
  bool ran = Router().Execute(id);
  UpdateAllActions();
  return ran;
}

void MainFrame::UpdateAction(QAction* action, const CommandRouter& router) {
  CommandUpdate update(action->data().toInt());
  router.Update(update);
  action->setEnabled(update.enabled());
  // Only checked commands show a check mark; the others keep the plain look.
  action->setCheckable(update.checked());
  action->setChecked(update.checked());
}

void MainFrame::UpdateAllActions() {
  // One chain for the whole pass: no update handler changes which frame is active.
  const CommandRouter router = Router();
  for (auto& [id, action] : actions_) UpdateAction(action, router);
}

void MainFrame::CascadeFrames() {
  // Each window a caption lower and further right than the one before, at its own size
  // unless the work area is smaller; the active one ends in front. (The work area's own
  // cascade makes every window small.)
  QList<QMdiSubWindow*> frames;
  for (QMdiSubWindow* frame : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (frame->isVisible() && !frame->isMinimized()) frames << frame;
  }
  QMdiSubWindow* active = mdi_->activeSubWindow();
  if (frames.removeOne(active)) frames << active;
  const QSize area = mdi_->viewport()->size();
  int offset = 0;
  for (QMdiSubWindow* frame : frames) {
    if (frame->isMaximized()) frame->showNormal();
    const int step = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame) + 4;
    if (offset + step > area.height() / 2) offset = 0;
    const QSize size = frame->size().boundedTo(area - QSize(offset, offset)).expandedTo(frame->minimumSize());
    frame->setGeometry(offset, offset, size.width(), size.height());
    frame->raise();
    offset += step;
  }
  if (active) mdi_->setActiveSubWindow(active);
}

void MainFrame::TileFrames() { mdi_->tileSubWindows(); }

void MainFrame::ArrangeIcons() {
  // Left to right along the bottom of the work area, a row higher whenever one is full.
  const int width = mdi_->viewport()->width();
  int x = 0;
  int bottom = mdi_->viewport()->height();
  for (QMdiSubWindow* frame : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!frame->isMinimized()) continue;
    const QSize size = frame->size();
    if (x > 0 && x + size.width() > width) {
      x = 0;
      bottom -= size.height();
    }
    frame->move(x, bottom - size.height());
    x += size.width();
  }
}

}  // namespace tmb::ui
