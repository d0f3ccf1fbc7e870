#include "core/store/store_section.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/file/bytes_left.h"
#include "core/file/string_records.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_ex.h"
#include "core/record/cp932_field.h"
#include "core/store/char_store.h"
#include "core/store/held_strokes.h"
#include "core/store/point_record.h"
#include "core/store/wide_log_font.h"
#include "core/store/wide_text.h"
#include "core/text/text_settings.h"
#include "platform/file/byte_reader.h"
#include "platform/file/byte_writer.h"

namespace {

constexpr size_t kEntrySize300 = 692;
constexpr size_t kEntrySize200 = 648;
constexpr size_t kEntrySizeNarrow = 352;
constexpr int kReservedWords = 4;

std::u16string PictureName(const CTextCharEntry& entry) {
  return Cp932ToUtf16(Cp932FileName(entry.Picture()));
}

// The stores an entry's strokes are looked up in: temporary set part (when part is not 0
// and it opens) and the main set.
class EntryLookup {
 public:
  explicit EntryLookup(int part) : part_(part) {
    if (part != 0 && temp_.MakeFileNames(part, false, false) == 1) useTemp_ = true;
  }

  int Load(CStrokePath& path1, CStrokePath& path2, const CTextCharEntry& entry) {
    // What the set could not take when the file was read is held in memory for it.
    if (LoadHeldCharacter(part_, entry, path1, path2)) return 1;
    if (useTemp_ && TempHolds(entry) && temp_.LoadCharacter(entry, path1, path2) == 1) return 1;
    return main_.LoadCharacter(entry, path1, path2);
  }

 private:
  bool TempHolds(const CTextCharEntry& entry) const {
    if (!entry.IsPicturePlace()) return true;
    int index = entry.m_nPictureIndex;
    return index >= 0 && index < temp_.GetPictureCount() &&
           temp_.PictureRecord(index).Name() == PictureName(entry);
  }

  int part_;
  CharStore temp_;
  CharStore main_;
  bool useTemp_ = false;
};

void WriteEntryRecord(tmb::ByteWriter& w, const CTextCharEntry& e) {
  w.U16(FirstCharUnit(e.Char())).U16(0).I32(0);
  w.I32(e.m_nColumn).I32(e.m_nRow).I32(e.m_nPosX).I32(e.m_nPosY);
  uint8_t font[CWideLogFont::kSize];
  CWideLogFont::FromLogFont(e.m_font).Store(font);
  w.Bytes(font, sizeof font);
  w.I32(e.m_nScale).I32(e.m_bHidden).I32(e.m_nPictureIndex);
  char16_t picture[kTextPictureNameSize];
  StoreWideField(picture, kTextPictureNameSize, Cp932ToUtf16(e.Picture()));
  for (char16_t u : picture) w.U16(static_cast<uint16_t>(u));
  w.I32(e.m_nExtra);
  w.Zeros(kEntrySize300 - 652);
}

std::u16string ReadWide(tmb::ByteReader& r, size_t units) {
  std::u16string s(units, u'\0');
  for (char16_t& u : s) {
    uint16_t v = 0;
    r.ReadU16(v);
    u = static_cast<char16_t>(v);
  }
  return s;
}

// Reads one entry record of section version v into e (fields the version does not store
// keep their values).
bool ReadEntryRecord(tmb::BinaryFile& file, int32_t v, CTextCharEntry& e) {
  const size_t size = v < 200 ? kEntrySizeNarrow : v < 300 ? kEntrySize200 : kEntrySize300;
  std::vector<uint8_t> bytes(size);
  if (!file.Read(bytes.data(), bytes.size())) return false;
  tmb::ByteReader r(bytes);
  if (v < 200) {
    std::string ch;
    r.ReadString(ch, 4);
    CopyToCp932Field(e.m_szChar, sizeof e.m_szChar, ch);
    r.ReadI32(e.m_nColumn);
    r.ReadI32(e.m_nRow);
    r.ReadI32(e.m_nPosX);
    r.ReadI32(e.m_nPosY);
    e.m_font = CLogFont::FromBytes(bytes.data() + r.pos());
    r.Skip(CLogFont::kSize);
    r.ReadI32(e.m_nScale);
    r.ReadI32(e.m_bHidden);
    r.ReadI32(e.m_nPictureIndex);
    std::string picture;
    r.ReadString(picture, kTextPictureNameSize);
    e.SetPicture(picture);
    e.m_nExtra = 0;
    return r.ok();
  }
  // The character is one unit (two when it is a surrogate pair) and fits two bytes.
  std::string ch = Utf16ToCp932(ReadWide(r, 2));
  std::memset(e.m_szChar, 0, sizeof e.m_szChar);
  CopyToCp932Field(e.m_szChar, 3, ch);
  r.Skip(4);
  r.ReadI32(e.m_nColumn);
  r.ReadI32(e.m_nRow);
  r.ReadI32(e.m_nPosX);
  r.ReadI32(e.m_nPosY);
  e.m_font = CWideLogFont::Load(bytes.data() + r.pos()).ToLogFont();
  r.Skip(CWideLogFont::kSize);
  r.ReadI32(e.m_nScale);
  r.ReadI32(e.m_bHidden);
  int32_t pictureIndex = 0;
  r.ReadI32(pictureIndex);
  if (v < 300) e.m_nPictureIndex = pictureIndex;
  e.SetPicture(Utf16ToCp932(ReadWide(r, kTextPictureNameSize)));
  e.m_nExtra = 0;
  if (v >= 300) r.ReadI32(e.m_nExtra);
  return r.ok();
}

// Steps over the strokes of one entry, checking them; the file offset of its point
// records (nullopt when the found flag is 0), or false through ok.
std::optional<int64_t> SkipEntryStrokes(tmb::BinaryFile& file, bool picture, bool& ok) {
  int32_t found = 0;
  if (!file.ReadI32(found)) return ok = false, std::nullopt;
  if (found == 0) return std::nullopt;
  const int64_t offset = file.Tell();
  int starts = 0;
  if (SkipPointRecord(file) < 0 || (picture && SkipPointRecord(file, &starts) < 0) ||
      BytesLeft(file) < starts || !file.Seek(starts, SEEK_CUR)) {
    return ok = false, std::nullopt;
  }
  return offset;
}

// Puts the strokes of the read entries into their temporary set; a picture entry takes
// its place there as its picture index. When the set cannot take them all (a full disk,
// a set another program holds past the wait), every entry's strokes are held in memory
// for the set instead: a block taken without its strokes would lose them at its next
// save. False when the strokes could not be read back from the file.
bool RefillTemporarySet(tmb::BinaryFile& file, StoreSectionRead& s) {
  CharStore store;
  bool stored = !IsHoldOnly(s.part) && store.RemoveTempFiles(s.part) == 1 &&
                store.MakeFileNames(s.part, false, false) == 1;
  auto held = std::make_shared<std::vector<HeldCharacter>>();
  CStrokePathEx path1;
  CStrokePath path2;
  for (size_t i = 0; i < s.entryRecords.size(); ++i) {
    CTextCharEntry& e = s.entryRecords[i];
    if (!s.strokes[i]) continue;
    int starts = 0;
    if (!file.Seek(*s.strokes[i]) || ReadRecord(file, path1) < 0) return false;
    const bool picture = e.IsPicturePlace();
    if (picture && (ReadRecord(file, path2, &starts) < 0 || !ReadStrokeBytes(file, path2, starts))) {
      return false;
    }
    if (stored && picture) {
      e.m_nPictureIndex = store.AddPicture(e.Picture(), path1, path2);
      stored = e.m_nPictureIndex >= 0;
    } else if (stored) {
      stored = store.AddFontCharacter(e, path1) == 1;
    } else if (picture) {
      e.m_nPictureIndex = -1;  // no place in the set
    }
    held->push_back(HoldCopy(e, path1, picture ? &path2 : nullptr));
  }
  HoldCharacters(s.part, stored ? nullptr : std::move(held));
  return true;
}

}  // namespace

int SaveStoreSection(const CTextSettings& settings, tmb::BinaryFile& file, int part) {
  const int entries = settings.UsedEntries();
  tmb::ByteWriter head;
  head.I32(kStoreSectionVersion).I32(entries);
  head.I32(settings.m_nCellSize).I32(settings.m_nAspect).I32(settings.m_nGlyphSize);
  head.I32(settings.m_nValue10).I32(settings.m_nCharsPerLine).I32(settings.m_nLayout2);
  head.I32(settings.m_nPosX).I32(settings.m_nPosY).Zeros(4 * kReservedWords);
  if (!file.Write(head.bytes().data(), head.size())) return -1;
  if (WriteWideStringRecord(file, settings.m_strText) < 0) return -1;

  for (int i = 0; i < entries; ++i) {
    const CTextCharEntry& e = settings.m_entries[static_cast<size_t>(i)];
    tmb::ByteWriter record;
    WriteEntryRecord(record, e);
    if (!file.Write(record.bytes().data(), record.size())) return -1;
    if (WriteWideStringRecord(file, Cp932FieldText(e.m_font.faceName, CLogFont::kFaceNameSize)) < 0) {
      return -1;
    }
  }

  EntryLookup lookup(part);
  CStrokePathEx path1;
  CStrokePath path2;
  path2.EnsureAuxBuffer(0);
  for (int i = 0; i < entries; ++i) {
    const CTextCharEntry& e = settings.m_entries[static_cast<size_t>(i)];
    const int found = lookup.Load(path1, path2, e);
    bool ok = file.WriteI32(found);
    if (found == 1) {
      ok = ok && WritePointRecord(file, path1);
      if (e.IsPicturePlace()) ok = ok && WritePointRecord(file, path2) && WriteStrokeBytes(file, path2);
    }
    if (!ok) return -1;
  }
  return entries;
}

bool ReadStoreSection(tmb::BinaryFile& file, const CTextSettings& settings, int part, StoreSectionRead& s) {
  s = StoreSectionRead();
  s.part = part;
  if (part < 0 || part > 2) return false;
  if (!file.ReadI32(s.version) || !file.ReadI32(s.entries)) return false;
  if (s.entries < 0 || s.entries > kTextEntryCount) return false;
  for (int32_t& v : s.head) {
    if (!file.ReadI32(v)) return false;
  }
  int32_t reserved = 0;
  for (int i = 0; i < kReservedWords; ++i) {
    if (!file.ReadI32(reserved)) return false;
  }
  const bool narrow = s.version < 200;
  auto readString = [&](std::string& out) {
    return (narrow ? ReadNarrowStringRecord(file, out) : ReadWideStringRecord(file, out)) >= 0;
  };
  if (!readString(s.text)) return false;

  s.entryRecords.assign(settings.m_entries.begin(), settings.m_entries.begin() + s.entries);
  for (CTextCharEntry& e : s.entryRecords) {
    std::string face;
    if (!ReadEntryRecord(file, s.version, e) || !readString(face)) return false;
    e.m_font.SetFaceName(face.c_str());
  }
  if (s.version > 100) {
    bool ok = true;
    for (const CTextCharEntry& e : s.entryRecords) {
      s.strokes.push_back(SkipEntryStrokes(file, e.IsPicturePlace(), ok));
      if (!ok) return false;
    }
  }
  return file.ok();
}

int TakeStoreSection(StoreSectionRead& s, tmb::BinaryFile& file, CTextSettings& settings) {
  if (s.part != 0 && s.version > 100 && s.entries > 0) {
    const int64_t end = file.Tell();
    if (!RefillTemporarySet(file, s) || !file.Seek(end)) return -1;
  }
  settings.m_nEntries = s.entries;
  settings.m_nCellSize = s.head[0];
  settings.m_nAspect = s.head[1];
  settings.m_nGlyphSize = s.head[2];
  settings.m_nValue10 = s.head[3];
  settings.m_nCharsPerLine = s.head[4];
  settings.m_nLayout2 = s.head[5];
  settings.m_nPosX = s.head[6];
  settings.m_nPosY = s.head[7];
  settings.m_strText = s.text;
  std::copy(s.entryRecords.begin(), s.entryRecords.end(), settings.m_entries.begin());
  return s.entries;
}

int LoadStoreSection(CTextSettings& settings, tmb::BinaryFile& file, int part) {
  StoreSectionRead section;
  if (!ReadStoreSection(file, settings, part, section)) return -1;
  return TakeStoreSection(section, file, settings);
}

int LoadEntryCharacter(CStrokePath& path1, CStrokePath& path2, const CTextCharEntry& entry, int part) {
  EntryLookup lookup(part);
  return lookup.Load(path1, path2, entry);
}
