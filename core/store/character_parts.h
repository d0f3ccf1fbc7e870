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
// Listing empties gNameList and adds each part with its mark's label as name, stopping
// when the list is full. Storing has the recogniser read each part's marks into the
// mark's label and stores the part's points (taken within those there are, moved so that
// its box's top-left corner is the origin) under that text, unless the text is empty, the
// part has no points, or the store's newest character of that text is the same already.
// Returns the number of parts listed or walked.
int RegisterCharacterParts(int window, int mode);

// The part store the conversion calls, installed at start.
class CTextStorePartStore final : public CharacterPartStore {
 public:
  int RegisterCharacterParts(int window, int mode) override;
};

CTextStorePartStore& TextStorePartStore();
