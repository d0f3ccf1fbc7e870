#include "convert/presets/style_def_parser.h"

#include <charconv>
#include <cstdint>

#include "platform/text/code_page.h"

namespace {

constexpr size_t kNameBytes = 127;  // the text fields hold 128 bytes with the terminator

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The delimiters are all below 0x40, which no second byte of a two-byte character is, so
// the text can be scanned byte by byte; only cutting a text must respect characters.
class TagReader {
 public:
  explicit TagReader(std::string_view text) : text_(text) {}

  CStyleParse Read() {
    while (!Damaged() && !Full()) {
      SkipBlanksAndComments();
      if (pos_ >= text_.size()) break;
      if (text_[pos_] == '<') {
        ReadTag();
      } else {
        ReadBareToken();
      }
    }
    // An element left open at the end is unterminated.
    if (!Damaged() && !open_.empty()) Damage(result_.elements[size_t(open_.front())].line);
    // Elements still open at the damage are incomplete: they go, with all that follows.
    if (!open_.empty()) result_.elements.resize(size_t(open_.front()));
    return std::move(result_);
  }

 private:
  bool Damaged() const { return result_.damageLine != 0; }
  bool Full() const { return int(result_.elements.size()) >= CStyleParse::kMaxElements; }
  void Damage(int line) {
    if (!Damaged()) result_.damageLine = line;
  }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  void Advance() {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }

  void SkipBlanksAndComments() {
    while (!AtEnd()) {
      if (IsBlank(Peek()) || Peek() == ',') {
        Advance();
      } else if (Peek() == '/' && Peek(1) == '/') {
        while (!AtEnd() && Peek() != '\n') Advance();
      } else {
        return;
      }
    }
  }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Peek())) Advance();
  }

  // text cut to the field size at a character boundary.
  static std::string Cut(std::string_view text) {
    size_t n = 0;
    while (n < text.size()) {
      const size_t len = tmb::IsSjisLeadByte(static_cast<unsigned char>(text[n])) ? 2 : 1;
      if (n + len > kNameBytes || n + len > text.size()) break;
      n += len;
    }
    return std::string(text.substr(0, n));
  }

  CStyleElement& Add(std::string tag, int line) {
    CStyleElement& e = result_.elements.emplace_back();
    e.tag = std::move(tag);
    e.line = line;
    e.depth = int(open_.size());
    e.first = int(result_.elements.size());
    e.last = e.first - 1;  // no content until a close tag says otherwise
    return e;
  }

  void ReadBareToken() {
    const int line = line_;
    const size_t start = pos_;
    while (!AtEnd() && !IsBlank(Peek()) && Peek() != ',' && Peek() != '<' && !(Peek() == '/' && Peek(1) == '/')) {
      Advance();
    }
    const std::string_view word = text_.substr(start, pos_ - start);
    // Only a word that starts with a digit is a value, whatever follows its digits: "-7"
    // is a word, like a name. The class that holds a value reads its number.
    Add(IsDigit(word[0]) ? "val" : "data", line).text = Cut(word);
  }

  // A name, a bare value or a quoted value, up to the next delimiter.
  std::string_view ReadWord(bool stopAtEquals) {
    const size_t start = pos_;
    while (!AtEnd() && !IsBlank(Peek()) && Peek() != '>' && Peek() != '<' && Peek() != '"' &&
           !(stopAtEquals && Peek() == '=') &&
           !(Peek() == '/' && Peek(1) == '>')) {
      Advance();
    }
    return text_.substr(start, pos_ - start);
  }
  // False when the quote is not closed before the end.
  bool ReadQuoted(std::string_view& out) {
    const int line = line_;
    Advance();  // the opening quote
    const size_t start = pos_;
    while (!AtEnd() && Peek() != '"') Advance();
    if (AtEnd()) {
      Damage(line);
      return false;
    }
    out = text_.substr(start, pos_ - start);
    Advance();
    return true;
  }
  bool ReadValue(std::string_view& out) {
    SkipBlanks();
    if (Peek() == '"') return ReadQuoted(out);
    out = ReadWord(false);
    return true;
  }

  void ReadTag() {
    const int line = line_;
    Advance();  // '<'
    const bool closing = Peek() == '/';
    if (closing) Advance();
    const std::string tag = Cut(ReadWord(false));
    if (closing) return CloseTag(tag, line);

    std::array<CStyleAttribute, CStyleElement::kMaxAttributes> attributes;
    int count = 0;
    bool empty = false;
    for (;;) {
      SkipBlanks();
      // A tag that meets the end or the next tag was never closed.
      if (AtEnd() || Peek() == '<') return Damage(line);
      if (Peek() == '>') {
        Advance();
        break;
      }
      if (Peek() == '/' && Peek(1) == '>') {
        Advance();
        Advance();
        empty = true;
        break;
      }
      std::string_view name = "name";
      std::string_view value;
      if (Peek() == '"') {
        // A quoted word right after the tag name is its name.
        if (!ReadQuoted(value)) return;
      } else {
        name = ReadWord(true);
        SkipBlanks();
        if (Peek() == '=') {
          Advance();
          if (!ReadValue(value)) return;
        } else if (name == ":") {
          // The parent's name may follow its sign directly.
          if (!ReadValue(value)) return;
        }
      }
      if (count < CStyleElement::kMaxAttributes) attributes[size_t(count++)] = {Cut(name), Cut(value)};
    }
    CStyleElement& e = Add(tag, line);
    e.attributes = std::move(attributes);
    e.nAttributes = count;
    if (empty) return;
    open_.push_back(int(result_.elements.size()) - 1);
    // A word or number written in its own tag is the text up to the next tag.
    if (tag == "data" || tag == "val") e.text = Cut(Trimmed(ReadText()));
  }

  // The text from here up to the next "<" or the end.
  std::string_view ReadText() {
    const size_t start = pos_;
    while (!AtEnd() && Peek() != '<') Advance();
    return text_.substr(start, pos_ - start);
  }
  static std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
  }

  // Closes the innermost open element of the name, and any left open inside it.
  void CloseTag(const std::string& tag, int line) {
    SkipBlanks();
    if (Peek() != '>') return Damage(line);
    Advance();
    for (size_t i = open_.size(); i-- > 0;) {
      if (result_.elements[size_t(open_[i])].tag != tag) continue;
      for (size_t j = i; j < open_.size(); ++j) result_.elements[size_t(open_[j])].last = int(result_.elements.size()) - 1;
      open_.resize(i);
      return;
    }
    Damage(line);  // a close tag that closes nothing
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  std::vector<int> open_;
  CStyleParse result_;
};

}  // namespace

std::string_view CStyleElement::Attribute(std::string_view name) const {
  for (int i = 0; i < nAttributes; ++i) {
    if (attributes[size_t(i)].name == name) return attributes[size_t(i)].value;
  }
  return {};
}

bool ParseStyleNumber(std::string_view text, int& value) {
  int32_t v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (ec != std::errc() || ptr != end) return false;
  value = v;
  return true;
}

CStyleParse ParseStyleTags(std::string_view text) { return TagReader(text).Read(); }
