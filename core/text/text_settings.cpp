#include "core/text/text_settings.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <memory>

#include "core/record/cp932_field.h"
#include "platform/text/code_page.h"

static_assert(sizeof(CTextCharEntry) == CTextCharEntry::kStoredSize);
static_assert(offsetof(CTextCharEntry, m_font) == 20);
static_assert(offsetof(CTextCharEntry, m_nScale) == 80);
static_assert(offsetof(CTextCharEntry, m_bHidden) == 84);
static_assert(offsetof(CTextCharEntry, m_nPictureIndex) == 88);
static_assert(offsetof(CTextCharEntry, m_szPicture) == 92);
static_assert(offsetof(CTextCharEntry, m_nExtra) == 352);
static_assert(sizeof(CTextMark) == 12);

namespace {

constexpr char kFullWidthSpace[] = "\x81\x40";
// Numbers of a mark list are kept below this, so a long run of digits cannot overflow.
constexpr int32_t kMarkNumberLimit = 1000000000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view CTextCharEntry::Char() const { return Cp932FieldText(m_szChar, sizeof m_szChar); }

std::string_view CTextCharEntry::Picture() const {
  return Cp932FieldText(m_szPicture, sizeof m_szPicture);
}

void CTextCharEntry::SetChar(std::string_view cp932) {
  CopyToCp932Field(m_szChar, sizeof m_szChar, cp932);
}

void CTextCharEntry::SetPicture(std::string_view cp932) {
  CopyToCp932Field(m_szPicture, sizeof m_szPicture, cp932);
}

CTextSettings::CTextSettings() { Init(); }

void CTextSettings::Init() {
  m_nEntries = 0;
  m_strText.clear();
  m_nCharsPerLine = 10;
  m_nLayout2 = 1;
  m_nCellSize = 128;
  m_nAspect = 100;
  m_nGlyphSize = 256;
  m_nPosX = 0;
  m_nPosY = 0;
  m_nFillValue = 0;
  m_nValue10 = 10;
  m_nCurEntry = 0;

  m_template.m_nPosX = 0;
  m_template.m_nPosY = 0;
  m_template.m_font = DefaultTextFont();
  m_template.m_nScale = 100;
  m_template.m_nExtra = 0;
  for (int i = 0; i < kTextEntryCount; ++i) StoreTemplateToEntry(i);

  // All the marks are cleared, not only the first half: CopyFrom copies every one.
  m_nMarks = 0;
  m_marks.fill(CTextMark{});
}

int CTextSettings::UsedEntries() const { return std::clamp<int32_t>(m_nEntries, 0, kTextEntryCount); }

int CTextSettings::UsedMarks() const { return std::clamp<int32_t>(m_nMarks, 0, kTextMarkCount); }

void CTextSettings::CopyFrom(const CTextSettings& other, int keepValues) {
  if (&other == this) return;
  m_nEntries = other.UsedEntries();
  m_strText = other.m_strText;
  m_nCharsPerLine = other.m_nCharsPerLine;
  m_nLayout2 = other.m_nLayout2;
  m_nCellSize = other.m_nCellSize;
  m_nAspect = other.m_nAspect;
  m_nGlyphSize = other.m_nGlyphSize;
  m_nPosX = other.m_nPosX;
  m_nPosY = other.m_nPosY;
  m_nFillValue = other.m_nFillValue;
  m_nValue10 = other.m_nValue10;
  m_nCurEntry = other.m_nCurEntry;
  m_template = other.m_template;
  for (int i = 0; i < m_nEntries; ++i) m_entries[i] = other.m_entries[i];
  m_nMarks = other.UsedMarks();
  for (int i = 0; i < kTextMarkCount; ++i) {
    m_marks[i].m_nEntry = other.m_marks[i].m_nEntry;
    m_marks[i].m_nNumber = other.m_marks[i].m_nNumber;
    if (!keepValues) m_marks[i].m_nValue = other.m_marks[i].m_nValue;
  }
}

int CTextSettings::Differs(const CTextSettings& other) const {
  if (UsedEntries() != other.UsedEntries()) return 1;
  if (m_strText != other.m_strText) return 1;
  if (m_nCharsPerLine != other.m_nCharsPerLine || m_nLayout2 != other.m_nLayout2 ||
      m_nCellSize != other.m_nCellSize || m_nAspect != other.m_nAspect ||
      m_nGlyphSize != other.m_nGlyphSize || m_nPosX != other.m_nPosX ||
      m_nPosY != other.m_nPosY || m_nFillValue != other.m_nFillValue ||
      m_nValue10 != other.m_nValue10 || m_nCurEntry != other.m_nCurEntry) {
    return 1;
  }
  for (int i = 0; i < UsedEntries(); ++i) {
    if (EntryDiffers(m_entries[i], other.m_entries[i])) return 1;
  }
  return 0;
}

int CTextSettings::EntryDiffers(const CTextCharEntry& a, const CTextCharEntry& b) {
  if (a.m_nColumn != b.m_nColumn || a.m_nRow != b.m_nRow) return 1;
  if (a.m_nPosX != b.m_nPosX || a.m_nPosY != b.m_nPosY) return 1;
  if (!a.m_font.SameBytes(b.m_font)) return 1;
  if (a.m_nScale != b.m_nScale || a.m_nExtra != b.m_nExtra) return 1;
  if (a.m_bHidden != b.m_bHidden || a.m_nPictureIndex != b.m_nPictureIndex) return 1;
  if (a.Char() != b.Char() || a.Picture() != b.Picture()) return 1;
  return 0;
}

int CTextSettings::FontDiffers(const CTextSettings& other) const {
  return m_nCharsPerLine != other.m_nCharsPerLine || m_nLayout2 != other.m_nLayout2 ||
                 m_nCellSize != other.m_nCellSize || m_nAspect != other.m_nAspect ||
                 m_nPosX != other.m_nPosX || m_nPosY != other.m_nPosY ||
                 UsedEntries() != other.UsedEntries()
             ? 1
             : 0;
}

void CTextSettings::ApplyTemplateToAll() {
  for (int i = 0; i < UsedEntries(); ++i) m_entries[i].m_font = m_template.m_font;
}

void CTextSettings::StoreTemplateToEntry(int i) {
  if (i < 0 || i >= kTextEntryCount) return;
  CTextCharEntry& e = m_entries[i];
  e.m_nPosX = m_template.m_nPosX;
  e.m_nPosY = m_template.m_nPosY;
  e.m_font = m_template.m_font;
  e.m_nScale = m_template.m_nScale;
  e.m_nExtra = m_template.m_nExtra;
}

void CTextSettings::CopyEntryStyle(CTextCharEntry& dst, const CTextCharEntry& src) {
  dst.m_nPosX = src.m_nPosX;
  dst.m_nPosY = src.m_nPosY;
  dst.m_font = src.m_font;
  dst.m_nScale = src.m_nScale;
  dst.m_nExtra = src.m_nExtra;
  dst.SetPicture(src.Picture());
}

int CTextSettings::CharCode(std::string_view s) {
  if (s.empty()) return 0;
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  return s.size() == 2 ? byte(0) * 256 + byte(1) : byte(0);
}

bool CTextSettings::IsBlank(std::string_view s) { return s == " " || s == kFullWidthSpace; }

int CTextSettings::CharWidth(CGlyphMeasure* measure, const CLogFont& font, int code) {
  CFixedPitchMeasure fixedPitch;
  CLogFont sized = font;
  sized.height = 256;
  return (measure ? measure : &fixedPitch)->CharWidth(sized, code);
}

int CTextSettings::ParseTextScript(std::string_view text, bool append) {
  text = text.substr(0, std::min<size_t>(text.size(), kTextScriptLimit));
  text = text.substr(0, text.find('\0'));
  m_nEntries = append ? UsedEntries() : 0;
  m_nMarks = 0;
  int column = 1;
  int row = 1;
  int markTarget = 0;  // the entry of the last non-blank character

  auto addMark = [&](int32_t number) {
    if (m_nMarks >= kTextMarkCount) return;  // the mark table is full: the mark is dropped
    m_marks[m_nMarks].m_nEntry = markTarget;
    m_marks[m_nMarks].m_nNumber = number;
    ++m_nMarks;
  };

  size_t i = 0;
  const size_t n = text.size();
  while (i < n && m_nEntries < kTextEntryCount) {
    const char c = text[i];
    const char next = i + 1 < n ? text[i + 1] : '\0';
    std::string_view ch;
    bool hidden = false;
    if (tmb::IsSjisLeadByte(static_cast<unsigned char>(c))) {
      // A lead byte with nothing after it is a damaged text, not half a character.
      if (i + 1 >= n) break;
      ch = text.substr(i, 2);
      i += 2;
    } else if ((c == '#' || c == '/') && next == c) {
      ch = text.substr(i, 1);
      i += 2;
    } else if (c == '#') {
      ch = text.substr(i, 1);
      hidden = true;
      i += 1;
    } else if (c == '/') {
      // A list of numbers closed by ")" gives one mark per number; anything else first
      // gives one mark -1, and parsing goes on right after the "/".
      size_t j = i + 1;
      int32_t numbers[kTextScriptLimit];
      int count = 0;
      bool inNumber = false;
      bool closed = false;
      for (; j < n; ++j) {
        char b = text[j];
        if (IsDigit(b)) {
          if (!inNumber) numbers[count++] = 0;
          inNumber = true;
          numbers[count - 1] = static_cast<int32_t>(
              std::min<int64_t>(int64_t{numbers[count - 1]} * 10 + (b - '0'), kMarkNumberLimit));
        } else if (b == ' ' || b == ',') {
          inNumber = false;
        } else {
          closed = b == ')';
          break;
        }
      }
      if (closed) {
        for (int k = 0; k < count; ++k) addMark(numbers[k]);
        i = j + 1;
      } else {
        addMark(-1);
        i += 1;
      }
      continue;
    } else {
      ch = text.substr(i, 1);
      i += 1;
    }

    CTextCharEntry& e = m_entries[m_nEntries];
    e.m_bHidden = hidden ? 1 : 0;
    e.SetChar(hidden ? std::string_view() : ch);
    const int width = static_cast<int>(ch.size());
    if (column + width - 1 > m_nCharsPerLine) {
      column = 1;
      ++row;
    }
    e.m_nColumn = column;
    e.m_nRow = row;
    column += width;
    if (!IsBlank(ch)) markTarget = m_nEntries;
    ++m_nEntries;
  }
  return m_nEntries;
}

// Walks the block with fewer entries (s) and the one with more (l) in step. At the first
// pair of differing characters out[0] is the index in l and l is searched forward for
// s's character; out[1] is where it is found, and the walk goes on from there. A second
// difference, or a character not found, stops the walk; when it ends normally out[2] is
// the index reached in l. A single insertion (or deletion) of k characters at p thus
// gives out = {p, p + k, count of l}; one at the end gives {-1, -1, count of s}.
int CTextSettings::CompareEntries(const CTextSettings& a, const CTextSettings& b, int out[3]) {
  out[0] = out[1] = out[2] = -1;
  const int na = a.UsedEntries();
  const int nb = b.UsedEntries();
  const CTextSettings& s = na < nb ? a : b;
  const CTextSettings& l = na < nb ? b : a;
  const int ns = std::min(na, nb);
  const int nl = std::max(na, nb);
  int i = 0;
  int j = 0;
  bool differed = false;
  while (i < ns && j < nl) {
    if (s.m_entries[i].Char() == l.m_entries[j].Char()) {
      ++i;
      ++j;
      continue;
    }
    if (differed) return na - nb;
    differed = true;
    out[0] = j;
    int k = j + 1;
    while (k < nl && s.m_entries[i].Char() != l.m_entries[k].Char()) ++k;
    if (k == nl) return na - nb;
    out[1] = k;
    j = k;
  }
  out[2] = j;
  return na - nb;
}

int CTextSettings::Reparse(std::string_view text) {
  auto old = std::make_unique<CTextSettings>(*this);
  m_strText.assign(text);
  ParseTextScript(m_strText, false);

  int out[3];
  const int delta = CompareEntries(*this, *old, out);
  const int nNew = UsedEntries();
  const int nOld = old->UsedEntries();
  if (delta == 0 && out[0] == -1) return 2;

  const bool oneChange = out[2] >= 0 && (out[0] == -1 || out[1] - out[0] == std::abs(delta));
  if (oneChange && delta > 0 && out[0] >= 0) {
    // delta characters were inserted at out[0]: the ones after them move up.
    for (int k = out[1]; k < nNew; ++k) CopyEntryStyle(m_entries[k], old->m_entries[k - delta]);
    for (int k = out[0]; k < out[1]; ++k) StoreTemplateToEntry(k);
  } else if (oneChange && delta < 0 && out[0] >= 0) {
    // -delta characters were removed at out[0]: the ones after them move down.
    for (int k = out[0]; k < nNew; ++k) CopyEntryStyle(m_entries[k], old->m_entries[k - delta]);
  }
  // Entries beyond the old text start from the template. (Otherwise, when the change is
  // not one insertion or deletion, every entry keeps the style of its index.)
  if (!(oneChange && delta > 0 && out[0] >= 0)) {
    for (int k = nOld; k < nNew; ++k) StoreTemplateToEntry(k);
  }
  return 1;
}
