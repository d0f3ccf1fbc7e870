// Work paths lent to the conversion passes for the length of one call and kept for the
// next: a path of the default capacity takes about a megabyte, and making and clearing
// one for every pass cost more than the passes themselves.
#pragma once

#include <memory>

class CStrokeWork;

// A borrowed path of exactly the asked capacity, empty (count 0) but holding whatever an
// earlier borrower left in its slots and settings; it goes back to the pool when the
// lease ends.
class ScratchPath {
 public:
  explicit ScratchPath(int capacity);
  ~ScratchPath();
  ScratchPath(const ScratchPath&) = delete;
  ScratchPath& operator=(const ScratchPath&) = delete;

  CStrokeWork& operator*() const { return *path_; }
  CStrokeWork* operator->() const { return path_.get(); }

 private:
  std::unique_ptr<CStrokeWork> path_;
};

// Frees the paths the pool keeps (they are made again when next asked for).
void ReleaseScratchPaths();
// The number of paths the pool keeps now.
int PooledScratchPathCount();
