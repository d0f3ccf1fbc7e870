// Parameters of older character blocks turned into the meanings of the present version,
// by data version and sub-revision R2, right after the parameter section was read.
#pragma once

struct CharBlockHeader;
class CCharData;

// The first sub-revision whose brush parameters have the present layout.
constexpr int kFirstNewBrushRevision = 24;

// Raised by the reader once it has taken a whole block older than
// kFirstNewBrushRevision: its brush parameters used the old layout, which the drawing
// view tells the user about after the load.
extern int gOldBrushLayout;

// Converts record's parameters as read from a block with header; switch16 is the 16-bit
// switch of blocks before data version 2.00. Raises the record's redraw flags where old
// versions need a full redraw. The closing steps that every load takes (style
// selection, range pair, change detection) are the reader's.
void ConvertOldParams(CCharData& record, const CharBlockHeader& header, int switch16);
