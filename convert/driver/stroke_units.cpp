#include "convert/driver/stroke_units.h"

#include <algorithm>

#include "core/geometry/rect_helpers.h"
#include "core/path/stroke_path.h"

namespace {

// In floating point: the product of two 64-bit spans need not fit in 64 bits.
double Area(const tmb::Rect& r) { return double(RectWidth64(r)) * double(RectHeight64(r)); }

// In floating point too: centres at opposite ends of the int range are 2^32 apart, whose
// square does not fit in 64 bits.
double CentreDistance2(const tmb::Rect& a, const tmb::Rect& b) {
  const int64_t dx = (int64_t{a.left} + a.right) / 2 - (int64_t{b.left} + b.right) / 2;
  const int64_t dy = (int64_t{a.top} + a.bottom) / 2 - (int64_t{b.top} + b.bottom) / 2;
  return double(dx) * double(dx) + double(dy) * double(dy);
}

// The point before the stroke of record m starts, or the path's last point.
int LastPointBefore(const CStrokeUnitTable& table, int m, const CStrokePath& path) {
  if (m < table.Count() && m < static_cast<int>(table.strokeStarts.size())) return table.strokeStarts[m] - 1;
  return path.GetCount() - 1;
}

int StartOf(const CStrokeUnitTable& table, int k) {
  return k < static_cast<int>(table.strokeStarts.size()) ? table.strokeStarts[k] : 0;
}

void ExtendTo(CStrokeUnit& unit, int last, const CStrokePath& path) { SetUnitSpan(unit, unit.first, last, path); }

}  // namespace

void CStrokeUnitTable::Reset(const CStrokePath& path) {
  SetStrokeStarts(path);
  records.assign(strokeStarts.size(), CStrokeUnit{});
}

void CStrokeUnitTable::SetStrokeStarts(const CStrokePath& path) { ListStrokeStarts(path, strokeStarts); }

void ListStrokeStarts(const CStrokePath& path, std::vector<int>& starts) {
  starts.clear();
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == CStrokePath::kFlagStart) starts.push_back(i);
  }
}

void SetUnitSpan(CStrokeUnit& record, int first, int last, const CStrokePath& path) {
  record.first = first;
  record.last = last;
  path.GetRangeBoundsAndCentre(record.rect, first, last + 1);
  record.rect.Normalize();
}

int NextUnitRecord(const CStrokeUnitTable& table, int k, int state) {
  for (int m = k + 1; m < table.Count(); ++m) {
    if (table.records[m].state == state) return m;
  }
  return table.Count();
}

void SetUnitSpans(CStrokeUnitTable& table, const CStrokePath& path, int state) {
  for (int k = 0; k < table.Count(); ++k) {
    if (table.records[k].state != state) continue;
    const int m = NextUnitRecord(table, k, state);
    SetUnitSpan(table.records[k], StartOf(table, k), LastPointBefore(table, m, path), path);
    k = m - 1;
  }
}

int AbsorbSmallUnits(CStrokeUnitTable& table, const CStrokePath& path) {
  int merges = 0;
  const int n = table.Count();
  for (int k = 0; k < n; k = NextUnitRecord(table, k, kUnitBegins)) {
    if (table.records[k].state != kUnitBegins) continue;
    const int m = NextUnitRecord(table, k, kUnitBegins);
    const int q = m < n ? NextUnitRecord(table, m, kUnitBegins) : n;
    if (q >= n) break;
    CStrokeUnit& unit = table.records[k];
    CStrokeUnit& next = table.records[m];
    if (Area(unit.rect) > 20 * Area(next.rect) &&
        CentreDistance2(unit.rect, next.rect) < CentreDistance2(next.rect, table.records[q].rect)) {
      ExtendTo(unit, next.last, path);
      next.state = kUnitContinues;
      ++merges;
    }
  }
  return merges;
}

int MergeOverlappingUnits(CStrokeUnitTable& table, const CStrokePath& path) {
  int merges = 0;
  const int n = table.Count();
  for (bool merged = true; merged;) {
    merged = false;
    for (int k = 0; k < n; k = NextUnitRecord(table, k, kUnitBegins)) {
      if (table.records[k].state != kUnitBegins) continue;
      CStrokeUnit& unit = table.records[k];
      for (int m = n - 1; m > k; --m) {
        const CStrokeUnit& other = table.records[m];
        if (other.state != kUnitBegins || tmb::Rect::Intersection(unit.rect, other.rect).IsEmpty()) continue;
        ExtendTo(unit, other.last, path);
        for (int j = k + 1; j <= m; ++j) table.records[j].state = kUnitContinues;
        merged = true;
        ++merges;
        break;
      }
    }
  }
  return merges;
}

int SplitTallUnits(CStrokeUnitTable& table, const CStrokePath& path) {
  int changed = 0;
  const int n = table.Count();
  for (int k = 0; k < n; k = NextUnitRecord(table, k, kUnitBegins)) {
    if (table.records[k].state != kUnitBegins) continue;
    const tmb::Rect tall = table.records[k].rect;
    if (2 * RectWidth64(tall) >= RectHeight64(tall)) continue;
    const int m = NextUnitRecord(table, k, kUnitBegins);
    int c = k;
    for (int j = k + 1; j < m; ++j) {
      if (table.records[j].state != kUnitCandidate) continue;
      CStrokeUnit& current = table.records[c];
      CStrokeUnit& part = table.records[j];
      const int kept = current.last;
      SetUnitSpan(current, current.first, StartOf(table, j) - 1, path);
      SetUnitSpan(part, StartOf(table, j), LastPointBefore(table, m, path), path);
      const int64_t overlapW = int64_t{std::min(current.rect.right, part.rect.right)} -
                               std::max(current.rect.left, part.rect.left);
      const int64_t overlapH = int64_t{std::min(current.rect.bottom, part.rect.bottom)} -
                               std::max(current.rect.top, part.rect.top);
      if (overlapW >= 2 && overlapH >= 2) {
        SetUnitSpan(current, current.first, kept, path);
        continue;
      }
      part.state = kUnitBegins;
      c = j;
      changed = 1;
    }
    if (c != k || m >= n) continue;
    CStrokeUnit& unit = table.records[k];
    CStrokeUnit& right = table.records[m];
    // Measured directly: a flat rectangle (a level stroke) counts as empty for Union.
    const int64_t gap = int64_t{right.rect.left} - unit.rect.right;
    const int64_t w = int64_t{std::max(unit.rect.right, right.rect.right)} - std::min(unit.rect.left, right.rect.left);
    const int64_t h = int64_t{std::max(unit.rect.bottom, right.rect.bottom)} - std::min(unit.rect.top, right.rect.top);
    if (gap > 0 && 2 * gap < RectHeight64(unit.rect) && 2 * w > h && w < 2 * h) {
      right.state = kUnitContinues;
      ExtendTo(unit, right.last, path);
      changed = 1;
    }
  }
  return changed;
}
