#include "core/file/stored_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/state/draw_state.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

TEST(StoredPath, WindowsPathsAndBareNamesOfFilesInTheDataFolderLeadThere) {
  TempDir data;
  gDrawState.Reset();
  gDrawState.m_szCurFolder = data.path().string();
  WriteFileBytes(data / "花見.bmp", {1});
  const std::string local = (data / "花見.bmp").string();
  struct Case {
    std::string stored;  // code page 932
    std::string expected;
  } cases[] = {
      {"c:\\Program Files\\tamberi\\\x89\xD4\x8C\xA9.bmp", local},
      {"D:\\\x89\xD4\x8C\xA9.bmp", local},
      {"\\\\server\\share\\\x89\xD4\x8C\xA9.bmp", local},
      {"c:\\elsewhere\\gone.bmp", "c:\\elsewhere\\gone.bmp"},  // nothing of that name here
      {"/home/me/\x89\xD4\x8C\xA9.bmp", "/home/me/花見.bmp"},   // a path of this system
      {"\x89\xD4\x8C\xA9.bmp", local},                          // as the default file holds it
      {"gone.bmp", "gone.bmp"},
      {"pics/\x89\xD4\x8C\xA9.bmp", "pics/花見.bmp"},  // relative to the current folder
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveStoredPath(c.stored), c.expected) << c.stored;
  gDrawState.Reset();
}

}  // namespace
}  // namespace tmb::test
