// Parameters of older character blocks turned into the meanings of the present version,
// by data version and sub-revision R2, right after the parameter section was read.
#pragma once

struct CharBlockHeader;
class CCharData;

// Raised when a block older than sub-revision 24 was read: its brush parameters use the
// old layout, which the drawing view tells the user about after the load.
extern int gOldBrushLayout;

// Converts record's parameters as read from a block with header; switch16 is the 16-bit
// switch of blocks before data version 2.00. Raises the record's redraw flags where old
// versions need a full redraw. The closing steps that every load takes (style
// selection, range pair, change detection) are the reader's.
void ConvertOldParams(CCharData& record, const CharBlockHeader& header, int switch16);
