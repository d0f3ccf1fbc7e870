// The recent character files in the File menu: shown before the exit, opened by choosing
// them, and taken off the list with a message when the file is no longer there.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "app/tmb_document.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "resources/command_ids.h"

namespace {

constexpr int kMsgRecentFileGone = 61512;

}  // namespace

void CMainFrame::RegisterRecentFileCommands() {
  for (int i = 0; i < tmb::kRecentFileCount; ++i) {
    const int id = tmb::kCmdRecentFile1 + i;
    OnCommand(id, [this, i] { OpenRecentFile(i); });
    OnUpdate(id, [i](tmb::ui::CommandUpdate& u) {
      u.Enable(size_t(i) < theApp.m_recentFiles.paths().size() && GetCharDocumentOfKind(kKindCurrentDraw));
    });
  }
}

void CMainFrame::AddRecentFileMenu() {
  QAction* exit = ActionOf(tmb::kCmdFileExit);
  QMenu* file = nullptr;
  for (QAction* top : menuBar()->actions()) {
    if (top->menu() && exit && top->menu()->actions().contains(exit)) file = top->menu();
  }
  if (!file) return;
  for (int i = 0; i < tmb::kRecentFileCount; ++i) file->insertAction(exit, ActionFor(tmb::kCmdRecentFile1 + i));
  m_recentSeparator = file->insertSeparator(exit);
  ShowRecentFiles();
}

void CMainFrame::ShowRecentFiles() {
  const std::vector<std::string>& paths = theApp.m_recentFiles.paths();
  for (int i = 0; i < tmb::kRecentFileCount; ++i) {
    QAction* action = ActionOf(tmb::kCmdRecentFile1 + i);
    if (!action) continue;
    const bool used = size_t(i) < paths.size();
    action->setVisible(used);
    // "&1" and the file name first, the folder after it, so that the name is read first.
    if (used) {
      const QFileInfo info(QString::fromStdString(paths[size_t(i)]));
      action->setText(QStringLiteral("&%1 %2  (%3)").arg(i + 1).arg(info.fileName(), info.absolutePath()));
    }
  }
  if (m_recentSeparator) m_recentSeparator->setVisible(!paths.empty());
}

void CMainFrame::OpenRecentFile(int index) {
  CRecentFileList& list = theApp.m_recentFiles;
  if (index < 0 || size_t(index) >= list.paths().size()) return;
  const std::string path = list.paths()[size_t(index)];
  if (!QFileInfo(QString::fromStdString(path)).isFile()) {
    list.Remove(index);
    ShowRecentFiles();
    tmb::ShowMessage(kMsgRecentFileGone, tmb::kMsgOk, {path});
    return;
  }
  // A file that loads comes to the top of the list through the load itself.
  if (CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw)) doc->engine().LoadFile(path, 0);
  UpdateMainTitle();
}
