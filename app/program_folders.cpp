#include "app/program_folders.h"

#include <QStandardPaths>
#include <filesystem>

#include "convert/presets/style_def_tree.h"
#include "core/document/tmb_doc.h"
#include "core/file/path_helpers.h"
#include "core/record/default_files.h"
#include "platform/service/messages.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMsgDataFilesMissing = 61515;
constexpr char kInstalledDataFolder[] = "../share/tamberi";
constexpr char kBuildDataFolder[] = "data";
constexpr char kHelpFile[] = "help/index.html";

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(fs::u8path(path), ec);
}

std::string Lines(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : "\n") + item;
  return text;
}

}  // namespace

std::vector<std::string> DataFolderCandidates(const std::string& programFolder) {
  const fs::path program = fs::u8path(programFolder);
  return {(program / kInstalledDataFolder).lexically_normal().string(),
          (program / kBuildDataFolder).lexically_normal().string()};
}

std::string FindDataFolder(const std::vector<std::string>& candidates) {
  for (const std::string& folder : candidates) {
    if (IsFolder(folder)) return folder;
  }
  return candidates.empty() ? std::string() : candidates.front();
}

std::string UserDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

std::string HelpFilePath(const std::string& dataFolder) { return JoinPath(dataFolder, kHelpFile); }

std::vector<std::string> MissingDataFiles(const std::string& dataFolder) {
  std::vector<std::string> names = {kDefaultCharFile, kDefaultPictureFlowers, kDefaultPictureForest,
                                    CStyleDefTree::kFileName};
  names.insert(names.end(), kDefaultEffectFiles.begin(), kDefaultEffectFiles.end());
  std::vector<std::string> missing;
  for (const std::string& name : names) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::u8path(JoinPath(dataFolder, name)), ec)) missing.push_back(name);
  }
  return missing;
}

int CheckDataFiles(const std::string& dataFolder, const std::vector<std::string>& candidates) {
  const std::vector<std::string> missing = MissingDataFiles(dataFolder);
  if (missing.empty()) return 1;
  const std::string lookedIn = IsFolder(dataFolder) ? dataFolder : Lines(candidates);
  tmb::ShowMessage(kMsgDataFilesMissing, tmb::kMsgOk, {Lines(missing), lookedIn});
  return 0;
}
