// Lists of shape records: SwfShape (the SHAPE of glyphs and morph edges) and
// SwfShapeWithStyle (a DefineShape's styles and records).
#pragma once

#include <memory>
#include <vector>

#include "export/swf/swf_shape_records.h"
#include "export/swf/swf_styles.h"

// An owning list of shape records with the index widths they are written with.
class SwfShapeRecordList {
 public:
  // Gives the record the current index widths, then takes it; a record with new styles
  // sets the widths of the records after it.
  void AddRecord(std::unique_ptr<SwfShapeRecord> record);
  // The index widths at the start of the list (records already added take them too).
  void SetStyleBits(int fillBits, int lineBits);
  int NumFillBits() const { return m_nStartFillBits; }
  int NumLineBits() const { return m_nStartLineBits; }
  bool HasNewStyles() const { return m_bNewStyles; }
  // NumFillBits and NumLineBits (4 bits each), the records, an end record when the last
  // is none, then aligned.
  void Write(SwfOutputBuffer& out) const;

 private:
  void GiveStyleBits(SwfShapeRecord& record);

  std::vector<std::unique_ptr<SwfShapeRecord>> m_records;
  int m_nStartFillBits = 0;
  int m_nStartLineBits = 0;
  int m_nFillBits = 0;
  int m_nLineBits = 0;
  bool m_bNewStyles = false;
};

// A plain record list (glyphs, the edges of a morph shape); index widths 0 until set.
class SwfShape : public SwfShapeRecordList {};

// The styles of a shape tag and its records: the index widths follow from the style
// counts (1 style: 1 bit, 2 or 3: 2 bits, none: 0).
class SwfShapeWithStyle : public SwfShapeRecordList {
 public:
  SwfShapeWithStyle(SwfFillStyleArray fills, SwfLineStyleArray lines);
  // The fill styles, the line styles, then the records.
  void Write(SwfOutputBuffer& out, bool extendedFillCount) const;

 private:
  SwfFillStyleArray m_fills;
  SwfLineStyleArray m_lines;
};
