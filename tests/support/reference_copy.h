// The driver's copy of the work path from before the linking, as the passes after the
// linking read it, made up for their tests, and the codes those passes leave.
#pragma once

#include <map>
#include <vector>

class CStrokePath;
class CStrokeWork;

namespace tmb::test {

// ref becomes path's points with flag 1 at path's stroke starts and at each of oldStarts
// (old strokes the linking joined on), 4 at each of strongStarts (strong links), and 0
// elsewhere.
void MakeReference(const CStrokePath& path, CStrokeWork& ref, const std::vector<int>& oldStarts = {},
                   const std::vector<int>& strongStarts = {});

// The non-zero flags of path by point.
std::map<int, int> FlagCodes(const CStrokePath& path);

}  // namespace tmb::test
