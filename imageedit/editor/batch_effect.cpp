#include "imageedit/editor/batch_effect.h"

#include <filesystem>
#include <set>

#include "core/file/path_helpers.h"
#include "imageedit/editor/bmp_view.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"
#include "platform/service/progress.h"
#include "platform/text/code_page.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMsgSetArea = 61544;
constexpr int kMsgWouldOverwrite = 61545;
constexpr int kMsgBatchDone = 61546;
constexpr int kMsgBatchCancelled = 61547;
constexpr int kActionRunOnArea = 0;
constexpr int kActionRunOnFiles = 1;

constexpr char kFilesTitle[] = "More than one file can be chosen by pushing Ctrl key";
constexpr char kFilesFilter[] = "(*.bmp)|*.bmp|(*.*)|*.*||";

// One path's spelling for comparison: absolute and without "." or "..".
std::string Normal(const std::string& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::path(path), error);
  return (error ? fs::path(path) : absolute).lexically_normal().string();
}

std::string NameList(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& p : paths) list += "  " + GetFileNameOfPath(p) + "\n";
  return list.empty() ? "  -\n" : list;
}

// The outputs that would replace a chosen picture.
std::vector<std::string> OutputsOverSources(const std::vector<std::string>& paths, const std::string& suffix) {
  std::set<std::string> sources;
  for (const std::string& p : paths) sources.insert(Normal(p));
  std::vector<std::string> clashes;
  for (const std::string& p : paths) {
    const std::string out = BatchOutputName(p, suffix);
    if (sources.count(Normal(out))) clashes.push_back(out);
  }
  return clashes;
}

}  // namespace

std::string BatchOutputName(const std::string& source, const std::string& suffix) {
  const fs::path path(source);
  fs::path name = path.stem();
  name += suffix;
  name += path.extension();
  return (path.parent_path() / name).string();
}

CBatchResult RunBatchEffect(CBmpView& view, const std::vector<std::string>& paths) {
  CBatchResult result;
  if (paths.empty()) return result;
  const std::string suffix = tmb::SjisToUtf8Lossy(view.m_effectDef.m_strSuffix);
  const std::vector<std::string> clashes = OutputsOverSources(paths, suffix);
  if (!clashes.empty() &&
      tmb::ShowMessage(kMsgWouldOverwrite, tmb::kMsgYesNoDefaultNo, {suffix, NameList(clashes)}) != tmb::kAnswerYes) {
    result.refused = true;
    return result;
  }
  // Each file starts from the same definition: what one run leaves (dialog values, the
  // paper colour) must not change the next.
  CEffectDef start;
  start.CopyFrom(view.m_effectDef);
  {
    tmb::CancellableProgress progress;
    for (size_t i = 0; i < paths.size(); ++i) {
      if (progress.Cancelled()) {
        result.cancelled = true;
        break;
      }
      view.m_effectDef.CopyFrom(start);
      const std::string out = BatchOutputName(paths[i], suffix);
      if (view.ProcessPictureFile(paths[i], out, 0)) {
        result.written.push_back(out);
      } else {
        result.skipped.push_back(paths[i]);
      }
      tmb::Progress().SetPos(int((i + 1) * 100 / paths.size()));
    }
  }
  view.m_effectDef.CopyFrom(start);
  const std::string done = std::to_string(result.written.size());
  const std::string total = std::to_string(paths.size());
  tmb::ShowMessage(result.cancelled ? kMsgBatchCancelled : kMsgBatchDone, tmb::kMsgOk,
                   {done, total, NameList(result.written), NameList(result.skipped)});
  return result;
}

int BatchOneTouchEffect(CBmpView& view) {
  const int action = view.m_effectDef.RunOneTouchDialog();
  if (action == kActionRunOnArea) {
    if (!view.HasArea()) {
      tmb::Beep();
      tmb::ShowMessage(kMsgSetArea);
      return -1;
    }
    tmb::DeviceContext dc;
    view.host().PrepareClientDC(dc);
    view.ApplyOneTouchEffect(&dc, 0);
    view.Redraw();
    return action;
  }
  if (action != kActionRunOnFiles) return -1;
  tmb::FileChoice choice;
  choice.title = kFilesTitle;
  choice.filter = kFilesFilter;
  choice.defaultExtension = "bmp";
  std::vector<std::string> paths;
  if (!tmb::Choosers().OpenFiles(choice, paths) || paths.empty()) return -1;
  RunBatchEffect(view, paths);
  return action;
}
