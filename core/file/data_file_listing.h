// What the data-file tree lists: the folders and character data files (".wdf", in any
// case) of a folder by absolute path, the roots the tree starts from and the way down from
// a root to a folder. The process's current folder is never changed, and names are kept
// as the bytes the file system holds, so a name in any encoding opens again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file/mounted_volumes.h"

struct CFolderItem {
  std::string m_strName;  // as the file system holds it
  std::string m_strPath;  // absolute
  bool m_bFolder = false;
  // A folder that holds a sub-folder or a data file (a folder can be opened).
  bool m_bHasChildren = false;
};

// ".wdf" at the end of name, in any case.
bool IsDataFileName(std::string_view name);

// The sub-folders (links to folders included) and data files of folder, hidden names
// (a leading dot) left out, sorted by name with letters compared caseless; each folder
// told whether it holds anything to list. False, with out empty, when the folder cannot be
// read.
bool ListDataFolder(const std::string& folder, std::vector<CFolderItem>& out);

// Whether folder holds a listed sub-folder or data file; the look stops at the first.
bool HasListedChild(const std::string& folder);

// A root of the tree: its text (label or name, then the path in parentheses) and path.
struct CTreeRoot {
  std::string m_strText;
  std::string m_strPath;
};

// The home folder, the data folder, the file system's root and each mounted volume (by
// its label when it has one), without a path listed twice and without empty paths.
std::vector<CTreeRoot> ListTreeRoots(const std::string& home, const std::string& dataFolder,
                                     const std::vector<tmb::MountedVolume>& volumes);

// The root of roots that holds folder (the one nearest to it), and the names of the
// folders below it down to folder; -1 when no root holds folder.
int FindRootOf(const std::vector<CTreeRoot>& roots, const std::string& folder, std::vector<std::string>& below);
