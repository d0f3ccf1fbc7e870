#include "core/store/char_store.h"

#include <limits>
#include <system_error>

#include "core/path/stroke_path.h"
#include "core/store/held_strokes.h"
#include "core/store/point_record.h"
#include "core/store/store_paths.h"
#include "core/store/wide_text.h"
#include "core/text/text_settings.h"
#include "platform/file/safe_save.h"

namespace fs = std::filesystem;

namespace {

// Offsets in the index are int32: a data file may not grow beyond them.
constexpr int64_t kMaxDataOffset = std::numeric_limits<int32_t>::max();

// Reads the whole of an open file from its start.
bool ReadAll(tmb::BinaryFile& file, std::vector<uint8_t>& out) {
  int64_t size = file.Size();
  if (size < 0 || !file.Seek(0)) return false;
  out.resize(static_cast<size_t>(size));
  return file.Read(out.data(), out.size());
}

void CleanKey(CFontIndexRecord& record) {
  record.m_key.ClearSize();
  record.m_key.CleanFaceName();
}

void NoCleaning(CPictureIndexRecord&) {}

// The records that follow the header; a trailing partial record is not counted.
template <class Record>
void ParseRecords(const std::vector<uint8_t>& bytes, std::vector<Record>& out, void (*clean)(Record&)) {
  out.clear();
  if (bytes.size() < kStoreHeaderSize) return;
  size_t n = (bytes.size() - kStoreHeaderSize) / Record::kSize;
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    out.push_back(Record::Load(bytes.data() + kStoreHeaderSize + i * Record::kSize));
    clean(out.back());
  }
}

// Writes record after the records on disk of the index file name (the header first when
// the file is empty). When the file holds another number of records than `records`
// (another store added some), `records` is read again from it first. Returns the
// record's index, or -1 with the file as it was.
template <class Record>
int AppendIndexRecord(const fs::path& name, std::string_view magic, StoreHeaderKind kind,
                      std::vector<Record>& records, const Record& record, void (*clean)(Record&)) {
  tmb::BinaryFile file;
  if (!OpenStoreFile(file, name)) return -1;
  const int64_t oldLength = file.Size();
  if (oldLength < 0) return -1;
  size_t onDisk = 0;
  if (oldLength > 0) {
    uint8_t header[kStoreHeaderSize] = {};
    if (oldLength < static_cast<int64_t>(kStoreHeaderSize) || !file.Read(header, sizeof header) ||
        ClassifyStoreHeader(header, sizeof header) != kind) {
      return -1;
    }
    onDisk = static_cast<size_t>(oldLength - kStoreHeaderSize) / Record::kSize;
  }
  // An index emptied or removed since it was read holds none of the records in memory.
  if (onDisk != records.size()) {
    std::vector<uint8_t> bytes;
    if (!ReadAll(file, bytes)) return -1;
    ParseRecords(bytes, records, clean);
  }
  const size_t index = records.size();
  if (index >= static_cast<size_t>(std::numeric_limits<int>::max())) return -1;

  uint8_t buffer[Record::kSize];
  record.Store(buffer);
  bool ok = oldLength > 0 || file.Write(magic.data(), kStoreHeaderSize);
  ok = ok && file.Seek(static_cast<int64_t>(kStoreHeaderSize + index * Record::kSize)) &&
       file.Write(buffer, sizeof buffer) && file.Flush();
  // Cut back while the file is still held, so no other program's record goes with it.
  if (!ok) {
    file.Truncate(oldLength);
    return -1;
  }
  records.push_back(record);
  return static_cast<int>(index);
}

// Reads a whole index file, creating it empty when it is missing.
bool ReadIndexFile(const fs::path& name, std::vector<uint8_t>& out) {
  tmb::BinaryFile file;
  return OpenStoreFile(file, name) && ReadAll(file, out);
}

// Opens a data file for an append: its length, or -1 when it cannot take another record.
// The file stays held until the addition is over, its index record included.
int64_t OpenForAppend(tmb::BinaryFile& file, const fs::path& name) {
  if (!OpenStoreFile(file, name)) return -1;
  int64_t length = file.Size();
  if (length < 0 || length > kMaxDataOffset || !file.Seek(0, SEEK_END)) return -1;
  return length;
}

// Makes sure an appended record is in the file; otherwise cuts the file back to length.
bool FinishAppend(tmb::BinaryFile& file, int64_t length, bool written) {
  if (written && file.Flush()) return true;
  file.Truncate(length);
  return false;
}

}  // namespace

int OpenStoreFile(tmb::BinaryFile& file, const fs::path& name) {
  if (MakeFolderOf(name) && file.Open(name, tmb::BinaryFile::Mode::kOpenOrCreate) && file.Lock()) return 1;
  file.Close();
  return 0;
}

bool ReadStoreFile(const fs::path& name, std::vector<uint8_t>& out) {
  out.clear();
  std::error_code ec;
  // Looking into the store must leave no empty files in the user's folder: a missing file
  // reads as empty, and only an addition creates it.
  if (!fs::exists(name, ec)) return !ec;
  return tmb::ReadWholeFile(name, out).ok();
}

CharStore::CharStore() { MakeFileNames(kMainSet, false, false); }

CharStore::~CharStore() { Close(); }

int CharStore::MakeFileNames(int tempSet, bool namesOnly, bool textMode) {
  Close();
  if (tempSet < 0 || tempSet > 2) return -1;
  if (textMode) {
    m_bTextMode = true;
    m_fontIndexName = StoreSetPath(kTextStoreBase, tempSet, kIndexExt);
    m_fontDataName = StoreSetPath(kTextStoreBase, tempSet, kDataExt);
  } else {
    m_fontIndexName = StoreSetPath(kFontStoreBase, tempSet, kIndexExt);
    m_fontDataName = StoreSetPath(kFontStoreBase, tempSet, kDataExt);
    m_pictureIndexName = StoreSetPath(kPictureStoreBase, tempSet, kIndexExt);
    m_pictureDataName = StoreSetPath(kPictureStoreBase, tempSet, kDataExt);
  }
  if (namesOnly) return 1;
  return ReadIndexFiles();
}

CharStore::IndexState CharStore::ReadFontIndex() {
  m_fontRecords.clear();
  std::vector<uint8_t> bytes;
  if (!ReadIndexFile(m_fontIndexName, bytes)) return IndexState::kRefused;
  switch (ClassifyStoreHeader(bytes.data(), bytes.size())) {
    case StoreHeaderKind::kEmpty:
      return IndexState::kOk;
    case StoreHeaderKind::kCurrentFont:
      ParseRecords(bytes, m_fontRecords, CleanKey);
      return IndexState::kOk;
    case StoreHeaderKind::kOldFont:
      return IndexState::kOld;
    default:
      return IndexState::kRefused;
  }
}

CharStore::IndexState CharStore::ReadPictureRecords() {
  m_pictureRecords.clear();
  std::vector<uint8_t> bytes;
  if (!ReadIndexFile(m_pictureIndexName, bytes)) return IndexState::kRefused;
  switch (ClassifyStoreHeader(bytes.data(), bytes.size())) {
    case StoreHeaderKind::kEmpty:
      break;
    case StoreHeaderKind::kCurrentPicture:
      ParseRecords(bytes, m_pictureRecords, NoCleaning);
      break;
    case StoreHeaderKind::kCurrentFont:
      return IndexState::kRefused;
    default:
      // The old picture index has a header of its own, told only by not being current.
      return bytes.size() < kStoreHeaderSize ? IndexState::kRefused : IndexState::kOld;
  }
  return IndexState::kOk;
}

int CharStore::ReadPictureIndex() {
  return ReadPictureRecords() == IndexState::kOk ? GetPictureCount() : -1;
}

int CharStore::ReadIndexFiles() {
  Close();
  IndexState font = ReadFontIndex();
  IndexState picture = font == IndexState::kRefused ? IndexState::kRefused : ReadPictureRecords();
  if (font == IndexState::kOld || picture == IndexState::kOld) {
    if (font == IndexState::kRefused || picture == IndexState::kRefused || s_bUpgradeRefused) return -1;
    if (UpgradeNamedIndexes() != 1) return -1;
    font = ReadFontIndex();
    picture = font == IndexState::kOk ? ReadPictureRecords() : IndexState::kRefused;
  }
  if (font != IndexState::kOk || picture != IndexState::kOk) {
    Close();
    return -1;
  }
  m_bOpen = true;
  return 1;
}

void CharStore::Close() {
  m_fontRecords.clear();
  m_fontRecords.shrink_to_fit();
  m_pictureRecords.clear();
  m_pictureRecords.shrink_to_fit();
  m_bOpen = false;
}

int CharStore::FindFontRecord(const CWideLogFont& key, uint16_t code) const {
  for (size_t i = m_fontRecords.size(); i-- > 0;) {
    const CFontIndexRecord& r = m_fontRecords[i];
    if (r.m_nCode == code && (m_bTextMode || r.m_key == key)) return static_cast<int>(i);
  }
  return -1;
}

int CharStore::FindPictureRecord(std::u16string_view name) const {
  for (size_t i = m_pictureRecords.size(); i-- > 0;) {
    if (m_pictureRecords[i].Name() == name) return static_cast<int>(i);
  }
  return -1;
}

int CharStore::LoadFontRecord(const CTextCharEntry& entry, CStrokePath& path) {
  int i = FindFontRecord(CWideLogFont::StoreKey(entry.m_font), FirstCharUnit(entry.Char()));
  if (i < 0) return -1;
  tmb::BinaryFile data;
  if (!data.Open(m_fontDataName, tmb::BinaryFile::Mode::kRead)) return -1;
  const CFontIndexRecord& r = m_fontRecords[static_cast<size_t>(i)];
  if (r.m_nOffset < 0 || !data.Seek(r.m_nOffset)) return -1;
  // A record whose size disagrees with its index entry is not the one the index meant.
  int n = ReadRecord(data, path);
  if (n < 0 || PointRecordSize(n) != r.m_nSize) {
    path.SetCount(0);
    return -1;
  }
  return 1;
}

int CharStore::LoadPicture(int index, CStrokePath& path1, CStrokePath& path2) {
  if (index < 0 || index >= GetPictureCount()) return -1;
  tmb::BinaryFile data;
  if (!data.Open(m_pictureDataName, tmb::BinaryFile::Mode::kRead)) return -1;
  const CPictureIndexRecord& r = m_pictureRecords[static_cast<size_t>(index)];
  if (r.m_nOffset < 0 || !data.Seek(r.m_nOffset)) return -1;
  int storedStarts = 0;
  int n1 = ReadRecord(data, path1);
  int n2 = n1 < 0 ? -1 : ReadRecord(data, path2, &storedStarts);
  if (n2 < 0 || PointRecordSize(n1) + PointRecordSize(n2) + storedStarts != r.m_nSize ||
      !ReadStrokeBytes(data, path2, storedStarts)) {
    path1.SetCount(0);
    path2.SetCount(0);
    return -1;
  }
  return 1;
}

int CharStore::LoadPictureByName(std::string_view pathName, CStrokePath& path1, CStrokePath& path2) {
  CPictureIndexRecord named;
  StoreWideField(named.m_name.data(), named.m_name.size(), Cp932ToUtf16(Cp932FileName(pathName)));
  int index = FindPictureRecord(named.Name());
  return index < 0 ? -1 : LoadPicture(index, path1, path2);
}

int CharStore::LoadCharacter(const CTextCharEntry& entry, CStrokePath& path1, CStrokePath& path2) {
  path1.SetCount(0);
  if (entry.IsPicturePlace()) {
    path2.SetCount(0);
    return entry.m_nPictureIndex >= 0 && LoadPicture(entry.m_nPictureIndex, path1, path2) == 1 ? 1 : 0;
  }
  return LoadFontRecord(entry, path1) == 1 ? 1 : 0;
}

int CharStore::AddFontCharacter(const CTextCharEntry& entry, const CStrokePath& path) {
  if (!m_bOpen) return -1;
  tmb::BinaryFile data;
  const int64_t offset = OpenForAppend(data, m_fontDataName);
  if (offset < 0 || !FinishAppend(data, offset, WritePointRecord(data, path))) return -1;

  CFontIndexRecord record;
  record.m_nTag = kRecordTagAdded;
  record.m_nCode = FirstCharUnit(entry.Char());
  record.m_key = CWideLogFont::StoreKey(entry.m_font);
  record.m_nOffset = static_cast<int32_t>(offset);
  record.m_nSize = static_cast<int32_t>(PointRecordSize(path.GetCount()));
  if (AppendIndexRecord(m_fontIndexName, kFontIndexMagic, StoreHeaderKind::kCurrentFont,
                        m_fontRecords, record, CleanKey) < 0) {
    // The data record would only be unreferenced, but the file is left as it was.
    data.Truncate(offset);
    return -1;
  }
  return 1;
}

int CharStore::AddPicture(std::string_view pathName, const CStrokePath& path1, const CStrokePath& path2) {
  if (!m_bOpen) return -1;
  tmb::BinaryFile data;
  const int64_t offset = OpenForAppend(data, m_pictureDataName);
  if (offset < 0) return -1;
  bool written = WritePointRecord(data, path1) && WritePointRecord(data, path2) &&
                 WriteStrokeBytes(data, path2);
  if (!FinishAppend(data, offset, written)) return -1;

  CPictureIndexRecord record;
  record.m_nTag = kRecordTagAdded;
  StoreWideField(record.m_name.data(), record.m_name.size(), Cp932ToUtf16(Cp932FileName(pathName)));
  record.m_nOffset = static_cast<int32_t>(offset);
  record.m_nSize = static_cast<int32_t>(PointRecordSize(path1.GetCount()) + PointRecordSize(path2.GetCount()) +
                                        CountStrokeStarts(path2));
  int index = AppendIndexRecord(m_pictureIndexName, kPictureIndexMagic,
                                StoreHeaderKind::kCurrentPicture, m_pictureRecords, record, NoCleaning);
  if (index < 0) data.Truncate(offset);
  return index;
}

int CharStore::RemoveTempFiles(int set) {
  int result = 1;
  for (int k = 1; k <= 2; ++k) {
    if (set != -1 && set != k) continue;
    MakeFileNames(k, true, false);
    HoldCharacters(k, nullptr);
    for (const fs::path* name : {&m_fontIndexName, &m_fontDataName, &m_pictureIndexName, &m_pictureDataName}) {
      // A file another program holds is its to finish: it is taken in turn, as every
      // store file is, and one still held past the wait stays, and so does the rest of
      // its set.
      std::error_code ec;
      if (!fs::exists(*name, ec)) continue;
      tmb::BinaryFile held;
      if (held.Open(*name, tmb::BinaryFile::Mode::kReadWrite) && !held.Lock()) {
        result = -1;
        break;
      }
      fs::remove(*name, ec);
      if (ec) result = -1;
    }
  }
  return result;
}
