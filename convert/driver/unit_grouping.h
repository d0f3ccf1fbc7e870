// Grouping the strokes of a character into units, the components written in one go (the
// strokes of a left-hand part, say), from the pen jumps between strokes on smoothed copies
// of the character and the rectangles of the groups.
#pragma once

#include <span>

class CStrokePath;
struct CStrokeUnitTable;

// For each stroke of path (flag 1 starts one): 1 in out where the stroke begins a unit,
// else 0. Entries of out past the path's strokes get 0; strokes past out's size are not
// reported. The path is not changed; the adaptive-spacing switch is as it was on return,
// and marker posting is off. Returns 1.
int MarkStrokeStates(const CStrokePath& path, std::span<int> out);

// Gives the state to the record of every stroke after the first whose start lies more
// than 8 pixels from the point before it.
void MarkGappedStarts(CStrokeUnitTable& table, const CStrokePath& path, int state);
