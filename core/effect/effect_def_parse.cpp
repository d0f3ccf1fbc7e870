// Parsing a definition's script: lines, comments, and the label that makes a line an entry.
#include <string>
#include <string_view>
#include <vector>

#include "core/text/mbcs_scan.h"
#include "core/effect/effect_def.h"
#include "core/effect/effect_script.h"
#include "platform/text/code_page.h"

namespace {

// The labels of each row in code page 932, English first: the order a row is tested in.
struct Cp932Labels {
  std::string english;
  std::string japanese;
  int effect = 0;
};

const std::vector<Cp932Labels>& LabelRows() {
  static const std::vector<Cp932Labels> rows = [] {
    std::vector<Cp932Labels> out;
    for (const ScriptLabel& label : ScriptLabels()) {
      out.push_back({tmb::Utf8ToSjis(label.english).value_or(""), tmb::Utf8ToSjis(label.japanese).value_or(""),
                     EffectNumberOfName(label.name)});
    }
    return out;
  }();
  return rows;
}

// One line of a script: its bytes and where its characters start.
class ScriptLine {
 public:
  void Clear() {
    bytes_.clear();
    starts_.clear();
  }
  void Append(std::string_view ch) {
    starts_.push_back(bytes_.size());
    bytes_.append(ch);
  }
  bool Empty() const { return bytes_.empty(); }
  std::string_view Bytes() const { return bytes_; }

  // Whether label occurs at the start of one of the line's characters: the trail byte of
  // a double-byte character never begins a label.
  bool Holds(std::string_view label) const {
    if (label.empty()) return false;
    size_t pos = bytes_.find(label);
    size_t k = 0;
    while (pos != std::string::npos) {
      while (k < starts_.size() && starts_[k] < pos) ++k;
      if (k < starts_.size() && starts_[k] == pos) return true;
      pos = bytes_.find(label, pos + 1);
    }
    return false;
  }

 private:
  std::string bytes_;
  std::vector<size_t> starts_;
};

// The effect number of a line: that of the first label row it holds, 0 for none.
int EffectOfLine(const ScriptLine& line) {
  for (const Cp932Labels& row : LabelRows()) {
    if (line.Holds(row.english) || line.Holds(row.japanese)) return row.effect;
  }
  return 0;
}

}  // namespace

int CEffectDef::Parse() {
  // The text ends at its terminator.
  m_nEntries = 0;
  m_nDroppedEntries = 0;
  std::string_view text(m_script);
  text = text.substr(0, text.find('\0'));
  if (text.empty()) return -1;
  ScriptLine line;
  std::string ch;
  size_t i = 0;
  while (i < text.size()) {
    line.Clear();
    bool comment = false;
    // A line ends at CR LF or at a lone LF, so that files saved with either line end read
    // the same.
    while (i < text.size()) {
      if (text[i] == '\n') {
        ++i;
        break;
      }
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        i += 2;
        break;
      }
      int length = 0;
      GetMbcsCharAt(text, i, ch, length);
      const std::string_view c = text.substr(i, length == 2 ? 2 : 1);
      if (c == "/" && i + 1 < text.size() && text[i + 1] == '/') comment = true;
      if (!comment) line.Append(c);
      i += c.size();
    }
    if (line.Empty()) continue;
    const int effect = EffectOfLine(line);
    if (effect == 0) continue;
    if (m_nEntries == kMaxEntries) {
      ++m_nDroppedEntries;
      continue;
    }
    m_entries[size_t(m_nEntries++)] = effect;
    ParseEffectLine(*this, line.Bytes(), effect, kEffectLineWindow);
  }
  return 1;
}
