// The parts of a handwritten character: the runs of its strokes that the conversion's
// analysis overlay marks as written components, listed in the name list or, read by the
// tablet's handwriting recogniser, stored in the text store under the text read. The
// conversion asks for it when parameter 334 is set, while painting: nothing here talks to
// the user.
#pragma once

#include "convert/driver/part_store.h"

// Lists (mode 0) or stores (any other mode) the parts of the character of window (0 A,
// 1 B). The conversion asks for storing while the window holds ink (handwriting its
// capture wrote since the ink was last cleared), else for listing. A part starts at a
// mark that continues no other and runs to the point before the next such mark, or to
// the last point; its box is that of its first mark; its strokes are the drawn record's
// from the first that begins in its first mark to the first that begins in the next
// part.
//
// Listing empties gNameList and adds each part with its mark's label as name, stopping
// when the list is full; a part without a label is named, and labelled, by what the
// recogniser read in the same strokes when they were stored from this window. Storing
// has the recogniser read each part's strokes of the ink into the mark's label and stores
// their points, moved so that the box's top-left corner is the origin, under that text.
// A part not wholly of the ink (strokes written before it, or marks that cannot be told
// as the record's strokes, as those of an in-between character), without strokes or
// without text keeps an empty label and is not stored, nor one the store's newest
// character of that text already is. Returns the number of parts listed or walked.
int RegisterCharacterParts(int window, int mode);

// The part store the conversion calls, installed at start.
class CTextStorePartStore final : public CharacterPartStore {
 public:
  int RegisterCharacterParts(int window, int mode) override;
};

CTextStorePartStore& TextStorePartStore();
