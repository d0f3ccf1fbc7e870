// Converting the index files of the old narrow format (80-byte font records, 276-byte
// picture records) into the current wide one. The data files keep their layout. Each old
// index is kept beside the new one with "_bak" added to its name.
#include <system_error>
#include <utility>
#include <vector>

#include "core/store/char_store.h"
#include "platform/service/messages.h"

namespace fs = std::filesystem;

namespace {

constexpr int kUpgradeQuestion = 62119;
constexpr std::string_view kNewFontIndexName = "indexfname__";
constexpr std::string_view kNewPictureIndexName = "picindexfname__";

template <class OldRecord>
std::vector<uint8_t> ConvertIndex(const std::vector<uint8_t>& old, std::string_view magic) {
  std::vector<uint8_t> out(magic.begin(), magic.begin() + kStoreHeaderSize);
  using NewRecord = decltype(std::declval<OldRecord>().Convert());
  size_t n = (old.size() - kStoreHeaderSize) / OldRecord::kSize;
  out.resize(kStoreHeaderSize + n * NewRecord::kSize);
  for (size_t i = 0; i < n; ++i) {
    OldRecord::Load(old.data() + kStoreHeaderSize + i * OldRecord::kSize)
        .Convert()
        .Store(out.data() + kStoreHeaderSize + i * NewRecord::kSize);
  }
  return out;
}

// Writes bytes to a new file beside target, moves target to its "_bak" name and the new
// file into its place. On failure target is as it was.
bool ReplaceKeepingBackup(const fs::path& target, std::string_view newName, const std::vector<uint8_t>& bytes) {
  const fs::path folder = target.parent_path();
  const fs::path fresh = folder / newName;
  const fs::path backup = folder / (target.stem().string() + "_bak" + target.extension().string());
  std::error_code ec;
  tmb::BinaryFile file;
  bool written = file.Open(fresh, tmb::BinaryFile::Mode::kCreate) &&
                 file.Write(bytes.data(), bytes.size()) && file.Sync();
  if (!file.Close() || !written) {
    fs::remove(fresh, ec);
    return false;
  }
  fs::rename(target, backup, ec);
  if (ec) {
    fs::remove(fresh, ec);
    return false;
  }
  fs::rename(fresh, target, ec);
  if (ec) {
    fs::rename(backup, target, ec);
    fs::remove(fresh, ec);
    return false;
  }
  return true;
}

}  // namespace

int CharStore::UpgradeStoreIndex() {
  MakeFileNames(kMainSet, true, false);
  return UpgradeNamedIndexes();
}

int CharStore::UpgradeNamedIndexes() {
  std::vector<uint8_t> font;
  std::vector<uint8_t> picture;
  if (!ReadStoreFile(m_fontIndexName, font) || !ReadStoreFile(m_pictureIndexName, picture)) return -1;
  const bool fontOld = ClassifyStoreHeader(font.data(), font.size()) == StoreHeaderKind::kOldFont;
  const StoreHeaderKind pictureKind = ClassifyStoreHeader(picture.data(), picture.size());
  // Whatever a picture index of full header length says, it is old unless it is current.
  const bool pictureOld = picture.size() >= kStoreHeaderSize &&
                          pictureKind != StoreHeaderKind::kCurrentPicture &&
                          pictureKind != StoreHeaderKind::kCurrentFont;
  if (!fontOld && !pictureOld) return 0;

  if (tmb::ShowMessage(kUpgradeQuestion, tmb::kMsgYesNo) != tmb::kAnswerYes) {
    s_bUpgradeRefused = true;
    return -1;
  }
  if (fontOld && !ReplaceKeepingBackup(m_fontIndexName, kNewFontIndexName,
                                       ConvertIndex<COldFontIndexRecord>(font, kFontIndexMagic))) {
    return -1;
  }
  if (pictureOld &&
      !ReplaceKeepingBackup(m_pictureIndexName, kNewPictureIndexName,
                            ConvertIndex<COldPictureIndexRecord>(picture, kPictureIndexMagic))) {
    return -1;
  }
  return 1;
}
