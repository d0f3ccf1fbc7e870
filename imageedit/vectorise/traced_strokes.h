// Mending traced strokes: short dangling pieces attached to nearby ends, strokes whose
// ends touch joined, strokes cut where segments of a reference path cross them, and free
// ends carried on to a target path. All work on a path's float points and stroke flags.
#pragma once

#include <span>

#include "core/path/stroke_path.h"
#include "core/onebit/mono_bitmap.h"
#include "platform/gdi/device_context.h"

// Capacities of the passes.
inline constexpr int kMaxSplices = 5000;
inline constexpr int kMaxJoinPairs = 10000;

// Each free end whose stroke is shorter than lengthLimit is spliced to the nearest end of
// another stroke within radius that lies back against the stroke's direction (more than
// 135 degrees from it): a start gets the end's point before it, an end after it. Returns
// 1, or -1 when not every splice fitted (those that did are made).
int SimplifyTracedStrokes(CStrokePath& path, float radius, float lengthLimit);

// The attribute of the point where a stroke joined at its start, and so taken backwards,
// goes on into the stroke joined to it.
inline constexpr uint8_t kAttrReversedJoint = 2;

// Joins every two strokes one of whose ends has exactly one other end within 3 pixels (an
// end of the stroke itself counting twice), each stroke once a pass; a stroke joined at
// its start runs backwards into the other, the joint's attribute kAttrReversedJoint.
// Returns the number of joins.
int JoinTracedStrokes(CStrokePath& path, int mode);

// The end of a short stroke (ends less than limit apart) that point i lies near: when
// neither end of i's stroke is listed, the listed end, or its stroke's other end, within
// 4 pixels of point i whose stroke is short; when one of them is listed, that one; when
// both, the nearer by index (the start on a tie). -1 when none.
int FindEndNear(const CStrokePath& path, int i, std::span<const int> ends, float limit);

// 1 when every point of work from index 2 to count - 3 lies on ink of mask, else 0.
int SegmentOnInk(const CMonoBitmap& mask, const CStrokePath& work);

// Cuts traced strokes where a segment of reference (8 to 64 pixels long) crosses one near
// a free end, when the straight way from the segment's middle to the cut runs on ink of
// mask and meets the segment at an angle. Returns 1.
int FitTracedStrokes(CStrokePath& path, const CMonoBitmap& mask, const CStrokePath& reference,
                     const CStrokePath* target, CStrokePath& work, tmb::DeviceContext* pDC);

// Carries every free end on along its stroke's direction to the nearest crossing with a
// segment of target, when that way runs on ink of mask; an end within 2 pixels of target
// stays. Returns 1, or -1 when not every carried way fitted in path.
int ConnectTracedStrokes(CStrokePath& path, const CMonoBitmap& mask, const CStrokePath* reference,
                         const CStrokePath& target, CStrokePath& work, tmb::DeviceContext* pDC);

// Removes the spurs thinning leaves where a wide stroke ends or bends: strokes with one
// end at another stroke's end (within 2 pixels) and the other free, no longer than one
// and a half times the ink's half-width at the attached end (its distance from the
// background of ink) plus 2 pixels, and loops as short that leave and come back at one
// end. Returns the number of
// strokes removed.
int PruneTracedSpurs(CStrokePath& path, const CMonoBitmap& ink);

// Gives every stroke of four or more points that ends on its first point the ring flag
// 2, as the tracing gives a ring without ends. Returns their number.
int MarkTracedRings(CStrokePath& path);
