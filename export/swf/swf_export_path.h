// The outline path an SWF export writes: a copy of the path sequence's points made ready
// for the movie (twips relative to the canvas, midpoints between control points), and the
// simplification of the pictures between the first and the last.
#pragma once

#include <memory>
#include <vector>

class CPathSequence;
class CStrokePath;

constexpr int kTwipsPerPixel = 20;
// Points are kept within this many twips of the canvas origin (about 52,000 pixels):
// farther or non-finite ones are pulled in, so every coordinate stays an exact integer.
constexpr float kSwfFarTwips = float(1 << 20);

// A copy of the sequence's path (the sequence stays as drawn, so an export can be
// repeated) with midpoints inserted between consecutive control points, scaled to twips,
// moved so that the canvas's top-left corner is the origin, far or non-finite points
// clamped, and its first point flagged as a picture start. Null when there is no path or
// no memory for the copy.
std::unique_ptr<CStrokePath> PrepareSwfPath(const CPathSequence& sequence);

// The index of every picture's first point: the path's first point and every point of flag
// 3 after it.
std::vector<int> SwfPictureStarts(const CStrokePath& path);

// Simplifies the pictures of the path: rounds the points, removes repeated points and the
// periodic zigzags of traced outlines. With keepFirst the first picture, with keepLast
// the last stays as it is; with neither the whole path is simplified.
void TrimPath(CStrokePath& path, bool keepFirst, bool keepLast);
