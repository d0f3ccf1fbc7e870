// The writing styles of the style definition file: named style classes (sets of parameter
// values that inherit from an earlier class), the entries of the style menus with the
// command ids they carry, and the style tables. Read once at start-up into gStyleDefRoot;
// choosing a menu entry hands the chosen class's values to the style command.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/presets/style_def_source.h"
#include "core/record/param_block.h"

struct CStyleParse;
class QAction;
class QMenu;

class CStyleDefTree final : public StyleDefSource {
 public:
  static constexpr int kNameBytes = 128;
  static constexpr int kMaxClasses = 128;
  static constexpr int kMaxEntries = 128;
  static constexpr int kMaxTables = 64;
  static constexpr int kMaxTableClasses = 128;
  static constexpr int kMaxDepths = 32;
  // A class value that was not set: the parent's value shows through.
  static constexpr int32_t kNotSet = -1000;
  // Menu ids: items choose a class (1000 + command), table items a table (2000 + choice).
  static constexpr int kFirstItemId = 1000;
  static constexpr int kFirstTableId = 2000;
  static constexpr int kCommands = 128;
  // A class id of 100 or more picks its item's command (id - 100).
  static constexpr int kClassIdBase = 100;
  static constexpr const char* kFileName = "style_def.dat";

  enum EntryType { kSeparator = -1, kItem = 0, kPopup = 1, kTableMenu = 2 };

  struct ClassNode {
    std::array<char, kNameBytes> name{};
    ParamBlock values{};  // kNotSet where the class sets nothing
    int parent = -1;      // an earlier class, or -1
    int id = 0;
  };
  // One line of the style menus. A popup or table menu opens the level depth + 1.
  struct MenuEntry {
    std::array<char, kNameBytes> text{};
    int type = kItem;
    int depth = 0;     // 0 for the root popup
    int command = -1;  // the menu id of an item; -1 for the others
  };
  struct Table {
    std::array<char, kNameBytes> name{};
    std::vector<int> classes;  // class indexes, at most kMaxTableClasses
  };

  CStyleDefTree() { Clear(); }

  // Reads the file at path (UTF-8), replacing what the tree held. A missing file leaves the
  // tree empty after a message; a damaged one keeps what was read before the damage and
  // names the file and line in one message. Returns 1.
  int ReadFile(const std::string& path);
  // The same on text already read; fileName only names it in the message. Returns the line
  // of the damage, 0 when the text was whole.
  int Parse(std::string_view text, std::string_view fileName);
  void Clear();

  // The index of the first class among the first count classes whose name is name; -1.
  int FindClass(std::string_view name, int count) const;
  // The values of class cls over values: its ancestors' first, oldest first, then its own;
  // what no class sets keeps the value values had.
  void CollectValues(int cls, ParamBlock& values) const;
  // Makes entry of the current table the current class and gives its values over values
  // and its name (the file's code page 932 bytes). The class, or -1 when the current table
  // has no such entry.
  int GetStyle(ParamBlock& values, std::string& name, int entry);
  // The class an item's menu id chooses, or the table a table item's id chooses; -1.
  int ClassOfCommand(int id) const;
  int TableOfCommand(int id) const;

  // Whether a class is chosen in the menus.
  bool HasChosenStyle() const;
  // What the style commands read: the class chosen in the menus, the styles of the
  // current table and the keep switches.
  bool CollectChosenValues(ParamBlock& params) override;
  // The number of styles of the current table; 0 when none is chosen.
  int StyleCount() const override;
  std::string ApplyStyle(ParamBlock& params, int index) override;
  bool KeepsFlyingWhite() const override { return m_bKeepFlyingWhite != 0; }
  bool KeepsShapeColours() const override { return m_bKeepColours != 0; }

  // Fills root with the style menus: items take the actions actionOf gives for their ids,
  // and each popup made is handed to watch (for its update pass). The menus are widgets of
  // the shell, which defines this with them.
  void BuildMenus(QMenu& root, const std::function<QAction*(int)>& actionOf,
                  const std::function<void(QMenu*)>& watch) const;

  const std::vector<ClassNode>& classes() const { return m_classes; }
  const std::vector<MenuEntry>& entries() const { return m_entries; }
  const std::vector<Table>& tables() const { return m_tables; }
  std::optional<int> version() const { return m_version; }

  int m_nCurClass = -1;
  int m_nCurEntry = -1;  // the item chosen last (menu id - 1000)
  int m_nCurTable = -1;  // the table chosen last (menu id - 2000)
  // When a chosen style is applied, these keep the record's flying white (parameter 5) and
  // its colours (parameters 156, 157 and 170). Both start off; a new file leaves them.
  int m_bKeepFlyingWhite = 0;
  int m_bKeepColours = 0;

 private:
  class Builder;

  std::vector<ClassNode> m_classes;
  std::vector<MenuEntry> m_entries;
  std::vector<Table> m_tables;
  std::optional<int> m_version;
  std::array<int, kCommands> m_commandClass{};
  std::array<int, kCommands> m_choiceTable{};
};

// Text of a name field up to its terminator.
std::string_view StyleName(const std::array<char, CStyleDefTree::kNameBytes>& field);

extern CStyleDefTree gStyleDefRoot;
