#include "convert/driver/scratch_paths.h"

#include <algorithm>
#include <vector>

#include "core/path/stroke_work.h"

namespace {

std::vector<std::unique_ptr<CStrokeWork>>& Pool() {
  static std::vector<std::unique_ptr<CStrokeWork>> pool;
  return pool;
}

}  // namespace

ScratchPath::ScratchPath(int capacity) {
  auto& pool = Pool();
  auto fits = std::find_if(pool.begin(), pool.end(), [&](const auto& p) { return p->GetCapacity() == capacity; });
  if (fits == pool.end() && !pool.empty()) fits = pool.end() - 1;  // the capacity changed: remake one
  if (fits != pool.end()) {
    path_ = std::move(*fits);
    pool.erase(fits);
    if (path_->GetCapacity() != capacity) path_->Reallocate(capacity);
  } else {
    path_ = std::make_unique<CStrokeWork>(capacity);
  }
  path_->SetCount(0);
}

ScratchPath::~ScratchPath() { Pool().push_back(std::move(path_)); }

void ReleaseScratchPaths() { Pool().clear(); }

int PooledScratchPathCount() { return static_cast<int>(Pool().size()); }
