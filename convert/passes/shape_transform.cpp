#include "convert/passes/shape_transform.h"

#include <cmath>

#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kCellWidth = 32;
constexpr int kCellHeight = 33;
constexpr int kCellOriginX = 34;
constexpr int kCellOriginY = 35;
constexpr int kMove = 80;
constexpr int kMoveRelative = 81;
constexpr int kMoveX = 82;
constexpr int kMoveY = 83;
constexpr int kScale = 84;
constexpr int kScaleByCosine = 85;
constexpr int kScaleX = 86;
constexpr int kScaleY = 87;
constexpr int kRotate = 88;
constexpr int kAngle = 89;
constexpr int kAboutCell = 2;

// Degrees to radians with the path's own pi, a float.
double Radians(const CStrokeWork& path, int degrees) { return degrees * double(path.m_fParam) / 180.0; }

// The centre of the path's bounds.
CFPoint BoundsCentre(const CStrokeWork& path) {
  CFRect rect;
  return path.GetBounds(rect);
}

// With aboutCell, a stroke start moves the pivot to the centre of the cell that holds it.
void FollowCell(const CStrokeWork& path, int i, bool aboutCell, CFPoint& pivot) {
  if (!aboutCell || path.m_pFlags[i] == 0) return;
  const tmb::Point p = path.m_pPoints[i].RoundToPoint();
  const tmb::Point c = path.m_grid.SnapToCellCentre(p.x, p.y);
  pivot = CFPoint(static_cast<float>(c.x), static_cast<float>(c.y));
}

void Move(CStrokeWork& path) {
  CFRect rect;
  path.GetBounds(rect);
  double dx = path.m_param[kMoveX];
  double dy = path.m_param[kMoveY];
  if (path.m_param[kMoveRelative] != 0) {
    dx = double(rect.Width()) * path.m_param[kMoveX] / 100;
    dy = double(rect.Height()) * path.m_param[kMoveY] / 100;
  }
  path.Translate(static_cast<float>(dx), static_cast<float>(dy));
}

void Scale(CStrokeWork& path) {
  const bool aboutCell = path.m_param[kScale] == kAboutCell;
  double fx = path.m_param[kScaleX] / 100.0;
  double fy = path.m_param[kScaleY] / 100.0;
  if (path.m_param[kScaleByCosine] != 0) {
    fx = std::cos(Radians(path, path.m_param[kScaleX]));
    fy = std::cos(Radians(path, path.m_param[kScaleY]));
  }
  CFPoint pivot = BoundsCentre(path);
  for (int i = 0; i < path.m_nCount; ++i) {
    FollowCell(path, i, aboutCell, pivot);
    CFPoint& p = path.m_pPoints[i];
    p = CFPoint(static_cast<float>(pivot.x + (double(p.x) - pivot.x) * fx),
                static_cast<float>(pivot.y + (double(p.y) - pivot.y) * fy));
  }
}

void Rotate(CStrokeWork& path) {
  const bool aboutCell = path.m_param[kRotate] == kAboutCell;
  const double a = Radians(path, path.m_param[kAngle]);
  const double c = std::cos(a);
  const double s = std::sin(a);
  CFPoint pivot = BoundsCentre(path);
  for (int i = 0; i < path.m_nCount; ++i) {
    FollowCell(path, i, aboutCell, pivot);
    CFPoint& p = path.m_pPoints[i];
    const double dx = double(p.x) - pivot.x;
    const double dy = double(p.y) - pivot.y;
    p = CFPoint(static_cast<float>(pivot.x + dx * c + dy * s), static_cast<float>(pivot.y - dx * s + dy * c));
  }
}

}  // namespace

void ApplyShapeTransform(CStrokeWork& path) {
  path.m_gridLayout = {gWorkCanvas.m_width,         gWorkCanvas.m_height,       path.m_param[kCellWidth],
                       path.m_param[kCellHeight],   path.m_param[kCellOriginX], path.m_param[kCellOriginY],
                       0};
  path.SetGridLayout();
  if (path.m_param[kMove] != 0) Move(path);
  if (path.m_param[kScale] != 0) Scale(path);
  if (path.m_param[kRotate] != 0) Rotate(path);
}
