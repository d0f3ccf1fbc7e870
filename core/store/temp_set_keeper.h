// Keeping a character window's temporary store set aside while a load refills it: the
// window takes the new set only when it takes the whole document, and a load that fails
// (a damaged block after the refill) puts the old set back, its files and what it held in
// memory, so that the window's old document still finds its strokes at its next save. A
// set whose files cannot be kept aside (a folder the program may not write) is not touched
// at all: the load holds the file's strokes in memory instead.
#pragma once

#include <array>
#include <filesystem>

#include "core/store/held_strokes.h"

class TempSetKeeper {
 public:
  // Keeps the files of temporary set 1 or 2 under backup names beside them. A backup is
  // a second link to the file where the folder allows it (it takes no room on a full
  // disk), else a copy: the refill deletes the set's files before it writes new ones,
  // so either keeps the old contents. When a file cannot be kept aside, the set is
  // hold-only (IsHoldOnly) while the keeper lives.
  explicit TempSetKeeper(int set);
  // Puts the kept set back, unless the load was committed.
  ~TempSetKeeper();
  TempSetKeeper(const TempSetKeeper&) = delete;
  TempSetKeeper& operator=(const TempSetKeeper&) = delete;

  // The window took the new document: the kept files are dropped, what the load holds in
  // memory stays.
  void Commit();
  // Whether the refill could not write the set and holds its strokes in memory instead.
  bool RefillHeld() const;

 private:
  struct SetFile {
    std::filesystem::path name;
    std::filesystem::path backup;
    bool existed = false;
  };
  void DropBackups();

  int set_ = 0;
  std::array<SetFile, 4> files_;
  HeldCharacters held_;
  bool kept_ = false;  // when not, a keeper of set 1 or 2 makes the set hold-only
  bool committed_ = false;
};
