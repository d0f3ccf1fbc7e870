#include "convert/presets/style_def_tree.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "convert/presets/style_def_parser.h"
#include "convert/presets/style_param_names.h"
#include "core/record/cp932_field.h"
#include "platform/file/safe_save.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"
#include "platform/text/user_text.h"

CStyleDefTree gStyleDefRoot;

namespace {

// Far above any style file written by hand; the element capacity ends reading long before.
constexpr size_t kMaxFileBytes = size_t(1) << 20;
constexpr int kMsgNoStyleFile = 61575;
constexpr int kMsgDamagedStyleFile = 61576;

// The number a value starts with ("12a" holds 12); false when it starts with none or the
// number does not fit 32 bits.
bool ParseLeadingNumber(std::string_view text, int& value) {
  int32_t v = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || ptr == text.data()) return false;
  value = v;
  return true;
}

template <size_t N>
void SetName(std::array<char, N>& field, std::string_view text) {
  CopyToCp932Field(field.data(), N, text);
}

bool Is(const CStyleElement& e, std::string_view tag) { return e.tag == tag; }

}  // namespace

std::string_view StyleName(const std::array<char, CStyleDefTree::kNameBytes>& field) {
  return Cp932FieldText(field.data(), field.size());
}

// Turns the elements of a parse into classes, menu entries and tables. Menu items and
// table words are matched to classes and tables once everything is read.
class CStyleDefTree::Builder {
 public:
  Builder(CStyleDefTree& tree, const CStyleParse& parse) : tree_(tree), elements_(parse.elements) {}

  // The line of the first damage found while building; 0 when none.
  int Build() {
    for (size_t i = 0; i < elements_.size() && !damage_; ++i) {
      const CStyleElement& e = elements_[i];
      if (Is(e, "class")) {
        ReadClass(e);
      } else if (Is(e, "menu")) {
        ReadMenu(e);
      } else if (Is(e, "table")) {
        ReadTable(e);
      } else if (Is(e, "version")) {
        ReadVersion(i);
        ++i;  // the version's own word
        continue;
      } else if (Is(e, "popup") || Is(e, "tablemenu") || Is(e, "s")) {
        damage_ = e.line;  // a menu line outside any menu
        break;
      } else {
        continue;
      }
      i = size_t(std::max(int(i), e.last));
    }
    ResolveTables();
    ResolveItems();
    return damage_;
  }

 private:
  struct PendingTable {
    int table;
    std::vector<std::string_view> words;
  };

  void ReadClass(const CStyleElement& e) {
    if (int(tree_.m_classes.size()) >= kMaxClasses) return;
    ClassNode node;
    node.values.fill(kNotSet);
    SetName(node.name, e.Attribute("name"));
    // Only an earlier class can be a parent, so no chain of parents can loop.
    const std::string_view parent = e.Attribute(":");
    if (!parent.empty()) node.parent = tree_.FindClass(parent, int(tree_.m_classes.size()));
    int id = 0;
    if (ParseStyleNumber(e.Attribute("id"), id)) node.id = id;
    for (int j = e.first; j + 1 <= e.last; j += 2) {
      const CStyleElement& word = elements_[size_t(j)];
      const CStyleElement& number = elements_[size_t(j) + 1];
      if (!Is(word, "data") || !Is(number, "val")) break;
      int value = 0;
      if (!ParseLeadingNumber(number.text, value)) {
        damage_ = number.line;
        return;
      }
      const int p = FindStyleParam(word.text);
      if (p >= 0) node.values[size_t(p)] = value;
    }
    tree_.m_classes.push_back(node);
  }

  void ReadTable(const CStyleElement& e) {
    if (int(tree_.m_tables.size()) >= kMaxTables) return;
    Table& table = tree_.m_tables.emplace_back();
    SetName(table.name, e.Attribute("name"));
    PendingTable& pending = tables_.emplace_back();
    pending.table = int(tree_.m_tables.size()) - 1;
    for (int j = e.first; j <= e.last; ++j) {
      if (Is(elements_[size_t(j)], "data")) pending.words.push_back(elements_[size_t(j)].text);
    }
  }

  void ReadVersion(size_t i) {
    int version = 0;
    if (i + 1 >= elements_.size() || !ParseStyleNumber(elements_[i + 1].text, version)) {
      damage_ = elements_[i].line;
      return;
    }
    tree_.m_version = version;
  }

  // The lines of a menu: depth counts from the menu's own level, and each line needs an
  // open popup (or table menu) at its level above the root.
  void ReadMenu(const CStyleElement& menu) {
    // opener[d]: the type of the line that opened level d; kSeparator for none.
    std::array<int, kMaxDepths> opener{};
    opener.fill(kSeparator);
    opener[0] = kPopup;
    for (int j = menu.first; j <= menu.last; ++j) {
      const CStyleElement& e = elements_[size_t(j)];
      int type;
      if (Is(e, "data")) {
        type = kItem;
      } else if (Is(e, "popup")) {
        type = kPopup;
      } else if (Is(e, "tablemenu")) {
        type = kTableMenu;
      } else if (Is(e, "s")) {
        type = kSeparator;
      } else {
        continue;
      }
      const int depth = e.depth - menu.depth - 1;
      if (depth < 0 || depth >= kMaxDepths || opener[size_t(depth)] == kSeparator) {
        damage_ = e.line;  // a line whose level no popup opened
        return;
      }
      const int parentType = opener[size_t(depth)];
      std::fill(opener.begin() + depth + 1, opener.end(), kSeparator);
      if ((type == kPopup || type == kTableMenu) && depth + 1 < kMaxDepths) opener[size_t(depth) + 1] = type;
      if (int(tree_.m_entries.size()) >= kMaxEntries) continue;
      MenuEntry& entry = tree_.m_entries.emplace_back();
      entry.type = type;
      entry.depth = depth;
      // An item of a table menu chooses a table; it is told apart by its command later.
      SetName(entry.text, type == kItem ? std::string_view(e.text) : e.Attribute("name"));
      tableItem_.push_back(type == kItem && parentType == kTableMenu);
    }
  }

  void ResolveTables() {
    for (const PendingTable& pending : tables_) {
      Table& table = tree_.m_tables[size_t(pending.table)];
      for (std::string_view word : pending.words) {
        const int cls = tree_.FindClass(word, int(tree_.m_classes.size()));
        if (cls >= 0 && int(table.classes.size()) < kMaxTableClasses) table.classes.push_back(cls);
      }
    }
  }

  // Gives each item its command; a style item that names no class, or whose command falls
  // outside the ids of its kind, is left out.
  void ResolveItems() {
    std::vector<MenuEntry> kept;
    int choices = 0;
    for (size_t k = 0; k < tree_.m_entries.size(); ++k) {
      MenuEntry entry = tree_.m_entries[k];
      if (entry.type == kItem && tableItem_[k]) {
        // Item k of the table menus chooses table k, whatever its word; one past the
        // tables chooses none (and is offered greyed).
        if (choices >= kCommands) continue;
        tree_.m_choiceTable[size_t(choices)] = choices < int(tree_.m_tables.size()) ? choices : -1;
        entry.command = kFirstTableId + choices++;
      } else if (entry.type == kItem) {
        const int cls = tree_.FindClass(StyleName(entry.text), int(tree_.m_classes.size()));
        if (cls < 0) continue;
        const int id = tree_.m_classes[size_t(cls)].id;
        const int command = id >= kClassIdBase ? id - kClassIdBase : cls;
        if (command < 0 || command >= kCommands) continue;
        int& slot = tree_.m_commandClass[size_t(command)];
        if (slot >= 0 && slot != cls) continue;  // the id is another class's already
        slot = cls;
        entry.command = kFirstItemId + command;
      }
      kept.push_back(entry);
    }
    tree_.m_entries = std::move(kept);
  }

  CStyleDefTree& tree_;
  const std::vector<CStyleElement>& elements_;
  std::vector<PendingTable> tables_;
  std::vector<bool> tableItem_;  // by entry: an item of a table menu
  int damage_ = 0;
};

void CStyleDefTree::Clear() {
  m_classes.clear();
  m_entries.clear();
  m_tables.clear();
  m_version.reset();
  m_commandClass.fill(-1);
  m_choiceTable.fill(-1);
  m_nCurClass = m_nCurEntry = m_nCurTable = -1;
}

int CStyleDefTree::Parse(std::string_view text, std::string_view fileName) {
  Clear();
  const CStyleParse parse = ParseStyleTags(text);
  const int built = Builder(*this, parse).Build();
  // The earlier of the two: reading stops at the first damage, building at its own.
  const int line = parse.damageLine && built ? std::min(parse.damageLine, built) : parse.damageLine + built;
  if (line) tmb::ShowMessage(kMsgDamagedStyleFile, tmb::kMsgOk, {fileName, std::to_string(line)});
  return line;
}

int CStyleDefTree::ReadFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!tmb::ReadWholeFile(std::filesystem::u8path(path), bytes, kMaxFileBytes)) {
    Clear();
    tmb::ShowMessage(kMsgNoStyleFile);
    return 1;
  }
  Parse(tmb::UserTextToCp932({reinterpret_cast<const char*>(bytes.data()), bytes.size()}), path);
  return 1;
}

int CStyleDefTree::FindClass(std::string_view name, int count) const {
  const int n = std::min(count, int(m_classes.size()));
  for (int i = 0; i < n; ++i) {
    if (StyleName(m_classes[size_t(i)].name) == name) return i;
  }
  return -1;
}

void CStyleDefTree::CollectValues(int cls, ParamBlock& values) const {
  if (cls < 0 || cls >= int(m_classes.size())) return;
  // The chain from the class up; parents are earlier classes, and the walk is bounded
  // all the same.
  std::vector<int> chain;
  for (int c = cls; c >= 0 && int(chain.size()) < kMaxClasses; c = m_classes[size_t(c)].parent) {
    chain.push_back(c);
    if (m_classes[size_t(c)].parent >= c) break;
  }
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const ParamBlock& own = m_classes[size_t(*it)].values;
    for (size_t p = 0; p < own.size(); ++p) {
      if (own[p] != kNotSet) values[p] = own[p];
    }
  }
}

int CStyleDefTree::GetStyle(ParamBlock& values, std::string& name, int entry) {
  if (m_nCurTable < 0 || m_nCurTable >= int(m_tables.size())) return -1;
  const std::vector<int>& classes = m_tables[size_t(m_nCurTable)].classes;
  if (entry < 0 || entry >= int(classes.size())) return -1;
  m_nCurClass = classes[size_t(entry)];
  CollectValues(m_nCurClass, values);
  name = std::string(StyleName(m_classes[size_t(m_nCurClass)].name));
  return m_nCurClass;
}

bool CStyleDefTree::HasChosenStyle() const { return m_nCurClass >= 0 && m_nCurClass < int(m_classes.size()); }

bool CStyleDefTree::CollectChosenValues(ParamBlock& params) {
  if (!HasChosenStyle()) return false;
  CollectValues(m_nCurClass, params);
  return true;
}

std::string CStyleDefTree::ApplyStyle(ParamBlock& params, int index) {
  std::string name;
  return GetStyle(params, name, index) >= 0 ? tmb::SjisToUtf8Lossy(name) : std::string();
}

int CStyleDefTree::StyleCount() const {
  return m_nCurTable >= 0 && m_nCurTable < int(m_tables.size()) ? int(m_tables[size_t(m_nCurTable)].classes.size()) : 0;
}

int CStyleDefTree::ClassOfCommand(int id) const {
  const int c = id - kFirstItemId;
  return c >= 0 && c < kCommands ? m_commandClass[size_t(c)] : -1;
}

int CStyleDefTree::TableOfCommand(int id) const {
  const int c = id - kFirstTableId;
  return c >= 0 && c < kCommands ? m_choiceTable[size_t(c)] : -1;
}
