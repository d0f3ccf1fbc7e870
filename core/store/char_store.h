// The character and picture store: characters kept on disk as point records, found by a
// font and a character code (font store), by the code alone (text store) or by their
// place in the picture index (picture store). A CharStore names one set of files (the
// main set or temporary set 1 or 2), holds both index files in memory while it is open,
// loads entries into point paths and appends new ones. It is short-lived: a user makes
// one for one task. No file stays open between operations.
//
// Index files start with a 16-byte magic; an index of the old narrow format is converted
// (after the user agrees) before it is read, never read as the current one. Additions
// go to the end of the file as it is on disk, so two stores open at once never write over
// each other's records, and an addition that fails leaves both files as they were. Each
// store file is held for one program's use while it is open, so another program writing
// the same store waits for the operation to end and never interleaves its records.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/store/store_records.h"
#include "platform/file/binary_file.h"

class CStrokePath;
struct CTextCharEntry;

// Opens the file for reading and writing, creating it empty (and its folder) when it is
// missing; an existing file is never truncated. The file is held for this opening alone
// until it is closed (another program's opening waits). 1 when open, else 0.
int OpenStoreFile(tmb::BinaryFile& file, const std::filesystem::path& name);
// Reads a whole store file; a missing file reads as empty and is not created.
bool ReadStoreFile(const std::filesystem::path& name, std::vector<uint8_t>& out);

class CharStore {
 public:
  static constexpr int kMainSet = 0;

  // Names and opens the main set of the font store.
  CharStore();
  ~CharStore();
  CharStore(const CharStore&) = delete;
  CharStore& operator=(const CharStore&) = delete;

  // Closes the store and names set tempSet (0 main, 1 or 2 temporary) of the font store,
  // or in text mode of the text store (the picture names then stay as they were). Unless
  // namesOnly, reads both index files (a missing one is created empty). 1 when named
  // (and opened), -1 when an index could not be read or tempSet is not 0, 1 or 2.
  int MakeFileNames(int tempSet, bool namesOnly, bool textMode);
  // Reads both index files; an old font index is converted first when the user agrees.
  // 1, or -1 (the store stays closed).
  int ReadIndexFiles();
  // Reads the picture index: the number of pictures, or -1.
  int ReadPictureIndex();

  // The last record with the code and, unless in text mode, the key (a StoreKey); -1
  // when none.
  int FindFontRecord(const CWideLogFont& key, uint16_t code) const;
  // The last picture record named name; -1 when none.
  int FindPictureRecord(std::u16string_view name) const;

  // Each 1 on success, -1 when absent or when a file cannot be read.
  int LoadFontRecord(const CTextCharEntry& entry, CStrokePath& path);
  // Loads both paths of picture index and the second path's stroke bytes.
  int LoadPicture(int index, CStrokePath& path1, CStrokePath& path2);
  // The picture whose name is the file name of pathName (code page 932).
  int LoadPictureByName(std::string_view pathName, CStrokePath& path1, CStrokePath& path2);
  // Empties path1 (and path2 for a picture entry) and loads the entry: a picture entry
  // by its picture index, any other by its font and character. 1, or 0 when not found.
  int LoadCharacter(const CTextCharEntry& entry, CStrokePath& path1, CStrokePath& path2);

  // Appends path under the entry's character and font. 1, or -1 when the store is not
  // open or a file cannot be written (both files are then as they were).
  int AddFontCharacter(const CTextCharEntry& entry, const CStrokePath& path);
  // Appends a picture under the file name of pathName: its index, or -1.
  int AddPicture(std::string_view pathName, const CStrokePath& path1, const CStrokePath& path2);

  // Deletes the files of temporary set 1 or 2, or of both when set is -1, and what the
  // set holds in memory (held_strokes.h). Each file is taken in turn first: a set with a
  // file another program holds past the wait keeps that file and the ones after it.
  // Leaves the store closed. 1, or -1 when a file could not be deleted.
  int RemoveTempFiles(int set);
  // Frees the records and marks the store closed.
  void Close();

  // Converts the old index files of the main font set, after asking the user.
  // 1 converted, 0 nothing to convert, -1 refused or failed (the files then unchanged).
  int UpgradeStoreIndex();
  // Once the user has refused the conversion, later openings of old indexes are refused
  // without asking again for the rest of the run; this forgets that answer.
  static void ForgetUpgradeAnswer() { s_bUpgradeRefused = false; }

  bool IsOpen() const { return m_bOpen; }
  bool IsTextMode() const { return m_bTextMode; }
  int GetFontCount() const { return static_cast<int>(m_fontRecords.size()); }
  int GetPictureCount() const { return static_cast<int>(m_pictureRecords.size()); }
  const CFontIndexRecord& FontRecord(int i) const { return m_fontRecords.at(static_cast<size_t>(i)); }
  const CPictureIndexRecord& PictureRecord(int i) const {
    return m_pictureRecords.at(static_cast<size_t>(i));
  }
  const std::filesystem::path& FontIndexName() const { return m_fontIndexName; }
  const std::filesystem::path& FontDataName() const { return m_fontDataName; }
  const std::filesystem::path& PictureIndexName() const { return m_pictureIndexName; }
  const std::filesystem::path& PictureDataName() const { return m_pictureDataName; }

 private:
  enum class IndexState { kOk, kOld, kRefused };

  IndexState ReadFontIndex();
  IndexState ReadPictureRecords();
  // Converts the named index files that are in the old format, after asking.
  int UpgradeNamedIndexes();
  // Appends one index record after the records on disk (re-reading them when another
  // store added some); the record's index, or -1 with the file as it was.
  int AppendFontIndexRecord(const CFontIndexRecord& record);
  int AppendPictureIndexRecord(const CPictureIndexRecord& record);

  std::filesystem::path m_fontIndexName;
  std::filesystem::path m_fontDataName;
  std::filesystem::path m_pictureIndexName;
  std::filesystem::path m_pictureDataName;
  std::vector<CFontIndexRecord> m_fontRecords;
  std::vector<CPictureIndexRecord> m_pictureRecords;
  inline static bool s_bUpgradeRefused = false;
  bool m_bOpen = false;
  bool m_bTextMode = false;  // set by the first text-mode naming, kept for the object's life
};
