// The shape records of SWF shapes: style changes, straight and curved edges and the end.
#pragma once

#include <cstdint>
#include <optional>

#include "export/swf/swf_styles.h"

class SwfShapeRecord {
 public:
  virtual ~SwfShapeRecord() = default;
  virtual void Write(SwfOutputBuffer& out) const = 0;
  // The widths of the style indexes at this record (only a style change writes them).
  virtual void SetNumFillBits(int /*bits*/) {}
  virtual void SetNumLineBits(int /*bits*/) {}
  // Whether the record brings new style arrays, and their index widths for the records
  // after it.
  virtual bool NewStyleBits(int& /*fillBits*/, int& /*lineBits*/) const { return false; }
  virtual bool IsEnd() const { return false; }
};

// Moves the pen and selects styles; each setter raises its state flag.
class SwfStyleChangeRecord : public SwfShapeRecord {
 public:
  SwfStyleChangeRecord& MoveTo(int32_t x, int32_t y);
  SwfStyleChangeRecord& FillStyle0(int index);
  SwfStyleChangeRecord& FillStyle1(int index);
  SwfStyleChangeRecord& LineStyle(int index);
  // New style arrays for the records that follow (DefineShape2 and 3 only).
  SwfStyleChangeRecord& NewStyles(SwfFillStyleArray fills, SwfLineStyleArray lines);

  void Write(SwfOutputBuffer& out) const override;
  void SetNumFillBits(int bits) override { m_nFillBits = bits; }
  void SetNumLineBits(int bits) override { m_nLineBits = bits; }
  bool NewStyleBits(int& fillBits, int& lineBits) const override;
  bool HasNewStyles() const { return m_newFills.has_value(); }

 private:
  std::optional<int32_t> m_moveX;
  int32_t m_nMoveY = 0;
  std::optional<int> m_fill0;
  std::optional<int> m_fill1;
  std::optional<int> m_line;
  std::optional<SwfFillStyleArray> m_newFills;
  std::optional<SwfLineStyleArray> m_newLines;
  int m_nFillBits = 0;
  int m_nLineBits = 0;
};

// NumBits of an edge lies in 2..17 (a 4-bit field holds NumBits - 2): a delta beyond
// ±65,535 twips (kSwfMaxEdgeDelta), or an edge of zero deltas, fails; the export splits
// long edges.
constexpr int kSwfMaxEdgeBits = 17;
constexpr int32_t kSwfMaxEdgeDelta = (1 << (kSwfMaxEdgeBits - 1)) - 1;

class SwfStraightEdgeRecord : public SwfShapeRecord {
 public:
  // Horizontal when only dx is non-zero, vertical when only dy is, general otherwise.
  SwfStraightEdgeRecord(int32_t dx, int32_t dy) : m_nDx(dx), m_nDy(dy) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int32_t m_nDx;
  int32_t m_nDy;
};

class SwfCurvedEdgeRecord : public SwfShapeRecord {
 public:
  // The control point relative to the pen, the anchor relative to the control point.
  SwfCurvedEdgeRecord(int32_t controlDx, int32_t controlDy, int32_t anchorDx, int32_t anchorDy)
      : m_nControlDx(controlDx), m_nControlDy(controlDy), m_nAnchorDx(anchorDx), m_nAnchorDy(anchorDy) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int32_t m_nControlDx;
  int32_t m_nControlDy;
  int32_t m_nAnchorDx;
  int32_t m_nAnchorDy;
};

class SwfEndShapeRecord : public SwfShapeRecord {
 public:
  void Write(SwfOutputBuffer& out) const override;
  bool IsEnd() const override { return true; }
};
