#include "support/reference_copy.h"

#include "core/path/stroke_work.h"

namespace tmb::test {

void MakeReference(const CStrokePath& path, CStrokeWork& ref, const std::vector<int>& oldStarts,
                   const std::vector<int>& strongStarts) {
  ref.CopyFrom(path);
  for (int i = 0; i < ref.GetCount(); ++i) {
    ref.m_pFlags[i] = path.m_pFlags[i] == CStrokePath::kFlagStart ? CStrokePath::kFlagStart : 0;
  }
  for (int i : oldStarts) ref.m_pFlags[i] = CStrokePath::kFlagStart;
  for (int i : strongStarts) ref.m_pFlags[i] = 4;
}

std::map<int, int> FlagCodes(const CStrokePath& path) {
  std::map<int, int> codes;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != 0) codes[i] = path.m_pFlags[i];
  }
  return codes;
}

}  // namespace tmb::test
