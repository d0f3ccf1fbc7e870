#include "export/swf/swf_styles.h"

#include "export/swf/swf_output_buffer.h"

namespace {

constexpr int kExtendedCount = 0xFF;

}  // namespace

void SwfSolidFillStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU8(0x00);
  m_colour.Write(out);
}

void SwfGradient::Write(SwfOutputBuffer& out) const {
  if (records.empty() || records.size() > kSwfMaxGradientRecords) {
    out.Fail("a gradient of " + std::to_string(records.size()) + " records (1 to 8 fit)");
  }
  out.WriteU8(static_cast<uint32_t>(records.size() & 0xFF));
  for (const SwfGradientRecord& r : records) {
    out.WriteU8(static_cast<uint32_t>(r.ratio));
    r.colour.Write(out);
  }
}

void SwfGradientFillStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU8(m_bLinear ? 0x10 : 0x12);
  m_matrix.Write(out);
  m_gradient.Write(out);
}

void SwfGradientFillStyle::SetAlpha(bool alpha) {
  for (SwfGradientRecord& r : m_gradient.records) r.colour.hasAlpha = alpha;
}

void SwfBitmapFillStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU8(m_bRepeat ? 0x40 : 0x41);
  out.WriteU16(static_cast<uint32_t>(m_nBitmapId));
  m_matrix.Write(out);
}

void SwfLineStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU16(static_cast<uint32_t>(m_nWidth));
  m_colour.Write(out);
}

int SwfStyleArray::Add(std::unique_ptr<SwfStyle> style) {
  m_styles.push_back(std::move(style));
  return Count();
}

void SwfStyleArray::SetAlpha(bool alpha) {
  for (auto& style : m_styles) style->SetAlpha(alpha);
}

void SwfStyleArray::Write(SwfOutputBuffer& out, bool extendedCount) const {
  out.FlushBits();
  if (m_styles.size() < kExtendedCount) {
    out.WriteU8(static_cast<uint32_t>(m_styles.size()));
  } else if (extendedCount) {
    out.WriteU8(kExtendedCount);
    out.WriteU16(static_cast<uint32_t>(m_styles.size()));
  } else {
    out.Fail(std::to_string(m_styles.size()) + " fill styles where a DefineShape holds 254");
  }
  for (const auto& style : m_styles) style->Write(out);
}
