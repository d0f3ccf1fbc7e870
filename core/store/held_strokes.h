// Strokes of a file's text characters that the temporary store set of their window could
// not take while the file was read (a full disk, a set another program holds past the
// wait). They are held in memory for the set instead, as part of it: the window's next
// save finds them there first, so a file read while its store could not be written still
// carries its characters when it is saved again.
#pragma once

#include <memory>
#include <vector>

#include "core/path/stroke_path.h"
#include "core/text/text_settings.h"

// One entry's strokes as the file gave them: the first path, and for a picture entry the
// second path with its stroke marks. The paths hold just their points.
struct HeldCharacter {
  CTextCharEntry entry;
  std::unique_ptr<CStrokePath> path1;
  std::unique_ptr<CStrokePath> path2;
};
using HeldCharacters = std::shared_ptr<const std::vector<HeldCharacter>>;

// The characters held for temporary set 1 or 2; null when the set holds none in memory
// (any other set holds none).
HeldCharacters HeldCharactersOfSet(int set);
// Replaces what set 1 or 2 holds in memory; null holds nothing.
void HoldCharacters(int set, HeldCharacters characters);
// Neither set holds anything in memory, as at start.
void ReleaseHeldCharacters();

// While set 1 or 2 cannot be kept aside for a load (its folder takes no copy), the load's
// refill leaves the set's files as they are and holds the file's strokes in memory only.
void SetHoldOnly(int set, bool on);
bool IsHoldOnly(int set);

// A held character for the entry's strokes: an entry standing for the same character
// (the same code and font, or the same picture name). A copy sized to path's points.
HeldCharacter HoldCopy(const CTextCharEntry& entry, const CStrokePath& path1, const CStrokePath* path2);
// Fills path1 (and path2 for a picture entry) from the last character held for set that
// stands for the same character as entry. True when one was found.
bool LoadHeldCharacter(int set, const CTextCharEntry& entry, CStrokePath& path1, CStrokePath& path2);
