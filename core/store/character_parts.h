// The parts of a handwritten character: the runs of its strokes that the conversion's
// analysis overlay marks as written components, listed in the name list or, read by the
// tablet's handwriting recogniser, stored in the text store under the text read. The
// conversion asks for it when parameter 334 is set, while painting: nothing here talks to
// the user.
#pragma once

#include "convert/driver/part_store.h"

// Lists (mode 0) or stores (any other mode) the parts of the character of window (0 A,
// 1 B). The points are the window's tablet ink while ink input is active (on the paper),
// else none. A part starts at a mark that continues no other and runs to the point before
// the next such mark, or to the last point; its box is that of its first mark.
//
// Listing empties gNameList and adds each part with its mark's label as name and the
// marks' points, stopping when the list is full. Storing takes each part's strokes of the
// ink (from the stroke its first mark begins to the stroke the next part begins), has the
// recogniser read them into the mark's label and stores their points, moved so that the
// box's top-left corner is the origin, under that text; a part without strokes or text is
// not stored (its label left empty), nor one the store's newest character of that text
// already is. Returns the number of parts listed or walked.
int RegisterCharacterParts(int window, int mode);

// The part store the conversion calls, installed at start.
class CTextStorePartStore final : public CharacterPartStore {
 public:
  int RegisterCharacterParts(int window, int mode) override;
};

CTextStorePartStore& TextStorePartStore();
