#include "convert/presets/style_def_tree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/text/code_page.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/text_file_forms.h"

namespace tmb::test {
namespace {

constexpr int kMsgNoStyleFile = 61575;
constexpr int kMsgDamaged = 61576;

std::string Sjis(const std::string& utf8) { return Utf8ToSjisLossy(utf8); }

class StyleDefTree : public ::testing::Test {
 protected:
  // Parses the UTF-8 text as the file's code page; the line of the damage.
  int Read(const std::string& utf8) { return tree.Parse(Sjis(utf8), "t.dat"); }
  ParamBlock ValuesOf(const std::string& utf8Name, int32_t start = 7) {
    ParamBlock values;
    values.fill(start);
    tree.CollectValues(tree.FindClass(Sjis(utf8Name), int(tree.classes().size())), values);
    return values;
  }

  ScriptedMessages messages;
  CStyleDefTree tree;
};

TEST_F(StyleDefTree, AClassInheritsItsParentAndOverridesWhatItNames) {
  ASSERT_EQ(Read("<class \"B\"> 崩し 10 筆脈 20 太さ 30 </class>\n"
                 "<class \"A\" : \"B\" id=105> 崩し 40 太さ 120 </class>\n"
                 "<menu \"m\"> A B </menu>"),
            0);
  const ParamBlock a = ValuesOf("A");
  EXPECT_EQ(a[0], 40);
  EXPECT_EQ(a[1], 20);  // from B
  EXPECT_EQ(a[3], 120);
  EXPECT_EQ(a[2], 7);   // set by nobody: the caller's value
  ASSERT_EQ(tree.entries().size(), 2u);
  EXPECT_EQ(tree.entries()[0].command, 1005);
  EXPECT_EQ(tree.ClassOfCommand(1005), 1);
  EXPECT_EQ(tree.entries()[1].command, 1000);  // B has no id: its class index
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(StyleDefTree, UnknownOrLaterParentsGiveOnlyTheClassOwnValues) {
  ASSERT_EQ(Read("<class \"A\" : \"nobody\"> 崩し 40 </class>\n"
                 "<class \"S\" : \"S\"> 太さ 5 </class>\n"
                 "<class \"E\" : \"L\"> 太さ 6 </class>\n"
                 "<class \"L\"> 崩し 1 </class>"),
            0);
  for (const char* name : {"A", "S", "E"}) EXPECT_EQ(tree.classes()[size_t(tree.FindClass(name, 4))].parent, -1) << name;
  const ParamBlock a = ValuesOf("A");
  EXPECT_EQ(a[0], 40);
  EXPECT_EQ(a[3], 7);
  EXPECT_EQ(ValuesOf("S")[3], 5);  // its own parent would loop for ever
  EXPECT_EQ(ValuesOf("E")[0], 7);
}

TEST_F(StyleDefTree, MinusThousandLetsTheParentValueThrough) {
  ASSERT_EQ(Read("<class \"B\"> 太さ 30 抑揚 8 </class>"
                 "<class \"A\" : \"B\"> 太さ <val>-1000</val> 抑揚 <val>-3</val> </class>"),
            0);
  const ParamBlock a = ValuesOf("A");
  EXPECT_EQ(a[3], 30);
  EXPECT_EQ(a[4], -3);
}

TEST_F(StyleDefTree, ABareMinusNumberIsAWordThatEndsTheClassValues) {
  ASSERT_EQ(Read("<class \"C\"> 太さ 5 抑揚 -3 崩し 9 </class>"), 0);
  const ParamBlock c = ValuesOf("C");
  EXPECT_EQ(c[3], 5);
  EXPECT_EQ(c[4], 7) << "no value: \"-3\" is a word, not a number";
  EXPECT_EQ(c[0], 7) << "the values end at the first word that is no name-number pair";
}

TEST_F(StyleDefTree, NamesMatchTheTableByteForByte) {
  ASSERT_EQ(Read("<class \"A\"> _ 1 _文字認識 2 向勢背勢ON 3 左傾斜 4 崩し：かな 5 unknown 6 崩し 9 </class>"), 0);
  const ParamBlock a = ValuesOf("A");
  EXPECT_EQ(a[334], 2);
  EXPECT_EQ(a[330], 3);
  EXPECT_EQ(a[359], 4);
  EXPECT_EQ(a[360], 5);
  EXPECT_EQ(a[0], 9);  // unknown names are passed over
  for (int p = 0; p < 512; ++p) {
    if (p != 334 && p != 330 && p != 359 && p != 360 && p != 0) {
      ASSERT_EQ(a[size_t(p)], 7) << p;
    }
  }
}

TEST_F(StyleDefTree, ItemsOnlyGetCommandsOfTheirOwnRange) {
  ASSERT_EQ(Read("<class \"low\" id=7></class>"       // index 0, id below 100: its index
                 "<class \"far\" id=300></class>"     // 1200: no item id
                 "<class \"table\" id=1150></class>"  // 2050 would be a table id
                 "<class \"neg\" id=99></class>"      // index 3
                 "<class \"twin\" id=100></class>"    // command 0, taken by "low"
                 "<table \"t\"> low nobody neg </table>"
                 "<menu \"m\"> low far table neg nobody twin"
                 "  <tablemenu \"cmp\"> t none t </tablemenu></menu>"),
            0);
  std::vector<int> commands;
  for (const auto& e : tree.entries()) commands.push_back(e.command);
  EXPECT_EQ(commands, (std::vector<int>{1000, 1003, -1, 2000, 2001, 2002}));
  EXPECT_EQ(tree.entries()[2].type, CStyleDefTree::kTableMenu);
  EXPECT_EQ(tree.ClassOfCommand(1000), 0);
  EXPECT_EQ(tree.ClassOfCommand(1003), 3);
  EXPECT_EQ(tree.ClassOfCommand(1001), -1);
  // Item k of the table menu chooses table k, whatever word it shows.
  EXPECT_EQ(tree.TableOfCommand(2000), 0);
  EXPECT_EQ(tree.TableOfCommand(2001), -1) << "there is no second table";
  EXPECT_EQ(tree.TableOfCommand(2002), -1);
  ASSERT_EQ(tree.tables().size(), 1u);
  EXPECT_EQ(tree.tables()[0].classes, (std::vector<int>{0, 3}));
}

TEST_F(StyleDefTree, GetStyleWalksTheCurrentTable) {
  ASSERT_EQ(Read("<class \"B\"> 崩し 1 </class><class \"A\" : \"B\"> 太さ 2 </class><table \"t\"> A B </table>"), 0);
  ParamBlock values{};
  std::string name;
  EXPECT_EQ(tree.GetStyle(values, name, 0), -1);  // no table chosen
  EXPECT_EQ(tree.StyleCount(), 0);
  EXPECT_EQ(tree.m_bKeepFlyingWhite, 0);
  EXPECT_EQ(tree.m_bKeepColours, 0);
  tree.m_nCurTable = 0;
  EXPECT_EQ(tree.StyleCount(), 2);
  EXPECT_EQ(tree.GetStyle(values, name, 0), 1);
  EXPECT_EQ(name, "A");
  EXPECT_EQ(values[0], 1);
  EXPECT_EQ(values[3], 2);
  EXPECT_EQ(tree.GetStyle(values, name, 2), -1);
}

TEST_F(StyleDefTree, TheStyleCommandsReadTheChosenClassAndTable) {
  ASSERT_EQ(Read("<class \"楷\"> 崩し 1 </class><class \"草\" : \"楷\"> 太さ 2 </class><table \"t\"> 草 </table>"), 0);
  const StyleDefSource& source = tree;
  ParamBlock values{};
  EXPECT_FALSE(tree.HasChosenStyle());
  EXPECT_FALSE(tree.CollectChosenValues(values));
  tree.m_nCurClass = 1;
  ASSERT_TRUE(tree.HasChosenStyle());
  ASSERT_TRUE(tree.CollectChosenValues(values));
  EXPECT_EQ(values[0], 1);
  EXPECT_EQ(values[3], 2);
  tree.m_nCurTable = 0;
  ParamBlock sheet{};
  EXPECT_EQ(tree.ApplyStyle(sheet, 0), "草");  // the name in UTF-8
  EXPECT_EQ(sheet[3], 2);
  EXPECT_EQ(tree.ApplyStyle(sheet, 1), "");
  EXPECT_FALSE(source.KeepsFlyingWhite());
  EXPECT_FALSE(source.KeepsShapeColours());
  tree.m_bKeepColours = 1;
  EXPECT_TRUE(source.KeepsShapeColours());
}

TEST_F(StyleDefTree, CapacitiesAreKept) {
  std::string text;
  for (int i = 0; i < 130; ++i) text += "<class \"c" + std::to_string(i) + "\"></class>";
  text += "<menu \"m\">";
  for (int i = 0; i < 130; ++i) text += " c" + std::to_string(i);
  text += "</menu>";
  for (int i = 0; i < 70; ++i) text += "<table \"t" + std::to_string(i) + "\"></table>";
  ASSERT_EQ(Read(text), 0);
  EXPECT_EQ(tree.classes().size(), size_t(CStyleDefTree::kMaxClasses));
  EXPECT_EQ(tree.entries().size(), size_t(CStyleDefTree::kMaxEntries));
  EXPECT_EQ(tree.tables().size(), size_t(CStyleDefTree::kMaxTables));
}

TEST_F(StyleDefTree, PopupsDeeperThanTheLevelsAreDamage) {
  std::string text = "<class \"A\"></class><menu \"m\">";
  for (int i = 0; i < 40; ++i) text += "<popup \"p\">\n";
  for (int i = 0; i < 40; ++i) text += "</popup>";
  text += "</menu>";
  EXPECT_EQ(Read(text), 33);  // the 33rd popup, on line 33
  EXPECT_EQ(messages.CountOf(kMsgDamaged), 1);
  EXPECT_EQ(tree.classes().size(), 1u);
  EXPECT_EQ(tree.entries().size(), size_t(CStyleDefTree::kMaxDepths));
}

TEST_F(StyleDefTree, DamageKeepsTheStylesBeforeItWithOneMessage) {
  const std::string good = "<class \"A\"> 崩し 1 </class>\n<menu \"m\"> A </menu>\n";
  const struct {
    const char* name;
    std::string tail;
    int line;
  } cases[] = {
      {"trailing version", "<version/>", 3},
      {"version that is no number", "<version/> v", 3},
      {"popup outside a menu", "\n<popup \"p\"> A </popup>", 4},
      {"separator outside a menu", "<s/>", 3},
      {"line under an item", "<menu \"n\"> <data> A <s/> </data> </menu>", 3},
      {"value that is no number", "<class \"B\"> 崩し <val>x1</val> </class>", 3},
      {"value past 32 bits", "<class \"B\"> 崩し 99999999999 </class>", 3},
      {"unterminated comment and tag", "<class \"B\" // open", 3},
  };
  for (const auto& c : cases) {
    messages.ids.clear();
    messages.texts.clear();
    EXPECT_EQ(Read(good + c.tail + "\n<class \"late\"></class>"), c.line) << c.name;
    ASSERT_EQ(messages.ids, std::vector<int>{kMsgDamaged}) << c.name;
    EXPECT_NE(messages.texts[0].find("t.dat"), std::string::npos) << c.name;
    EXPECT_NE(messages.texts[0].find("line " + std::to_string(c.line)), std::string::npos) << c.name;
    EXPECT_EQ(tree.FindClass("A", 10), 0) << c.name;
    EXPECT_EQ(tree.FindClass("late", 10), -1) << c.name;
    EXPECT_EQ(tree.ClassOfCommand(1000), 0) << c.name;
  }
}

// A value that starts with its number holds that number, and the classes after it are
// read: "12a" is 12.
TEST_F(StyleDefTree, AValueWithLettersAfterItsDigitsHoldsItsNumberAndTheFileReadsOn) {
  ASSERT_EQ(Read("<class \"A\"> 崩し 12a 太さ 30 </class>\n<class \"late\"> 崩し 5 </class>"), 0);
  EXPECT_TRUE(messages.ids.empty());
  ASSERT_EQ(tree.FindClass("late", 10), 1);
  ParamBlock values{};
  tree.CollectValues(0, values);
  EXPECT_EQ(values[0], 12);
  EXPECT_EQ(values[3], 30);
  tree.CollectValues(1, values);
  EXPECT_EQ(values[0], 5);
}

TEST_F(StyleDefTree, ASecondReadReplacesTheTree) {
  const std::string text = "<version/> 3 <class \"A\"></class><menu \"m\"> A </menu><table \"t\"> A </table>";
  ASSERT_EQ(Read(text), 0);
  ASSERT_EQ(Read(text), 0);
  EXPECT_EQ(tree.classes().size(), 1u);
  EXPECT_EQ(tree.entries().size(), 1u);
  EXPECT_EQ(tree.tables().size(), 1u);
  EXPECT_EQ(tree.version(), 3);
  ASSERT_EQ(Read("<class \"B\"></class>"), 0);
  EXPECT_EQ(tree.FindClass("A", 10), -1);
  EXPECT_TRUE(tree.entries().empty());
  EXPECT_FALSE(tree.version().has_value());
  EXPECT_EQ(tree.ClassOfCommand(1000), -1);
}

// The file the program ships, as the user gets it.
std::string ShippedFile() {
  std::ifstream in(TMB_APP_DATA_DIR "/style_def.dat", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(StyleDefTree, TheShippedFileReadsWhole) {
  ASSERT_EQ(tree.ReadFile(TMB_APP_DATA_DIR "/style_def.dat"), 1);
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(tree.version(), 1);
  EXPECT_EQ(tree.classes().size(), 5u);
  EXPECT_EQ(tree.tables().size(), 2u);
  int items = 0;
  for (const auto& e : tree.entries()) items += e.type == CStyleDefTree::kItem && e.command >= 1000 && e.command < 1128;
  EXPECT_EQ(items, 5);
  const ParamBlock cursive = ValuesOf("草書風");
  EXPECT_EQ(cursive[0], 80);
  EXPECT_EQ(cursive[3], 100);  // through two parents
}

TEST_F(StyleDefTree, TheShippedFileCutAtEveryByteKeepsWholeStylesOnly) {
  const std::string whole = ShippedFile();
  ASSERT_GT(whole.size(), 200u);
  CStyleDefTree full;
  full.Parse(whole, "full");
  for (size_t n = 0; n < whole.size(); ++n) {
    messages.ids.clear();
    tree.Parse(std::string_view(whole).substr(0, n), "cut");
    ASSERT_LE(messages.ids.size(), 1u) << n;
    ASSERT_LE(tree.classes().size(), full.classes().size()) << n;
    for (size_t c = 0; c < tree.classes().size(); ++c) {
      ASSERT_EQ(StyleName(tree.classes()[c].name), StyleName(full.classes()[c].name)) << n;
      ASSERT_EQ(tree.classes()[c].values, full.classes()[c].values) << n;
    }
  }
}

// A style file in UTF-8 reads as the same file in code page 932 would, also one whose
// bytes happen to be code page 932 as well.
TEST_F(StyleDefTree, AFileInUTF8ReadsAsItsCodePage932Text) {
  TempDir dir;
  const std::string path = (dir / "style_def.dat").string();
  for (const TextFileForm& form : TextFileForms("<class \"草書風\"> 崩し 80 </class>", "<class \"山川木\"> </class>")) {
    SCOPED_TRACE(form.what);
    std::ofstream(path, std::ios::binary) << form.bytes;
    ASSERT_EQ(tree.ReadFile(path), 1);
    CStyleDefTree expected;
    expected.Parse(form.sjis, "expected");
    ASSERT_EQ(tree.classes().size(), 1u);
    ASSERT_EQ(expected.classes().size(), 1u);
    EXPECT_EQ(StyleName(tree.classes()[0].name), StyleName(expected.classes()[0].name));
    EXPECT_EQ(tree.classes()[0].values, expected.classes()[0].values);
  }
  EXPECT_EQ(tree.FindClass(Sjis("山川木"), 1), 0);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(StyleDefTree, AMissingFileLeavesTheTreeEmpty) {
  TempDir dir;
  ASSERT_EQ(Read("<class \"A\"></class>"), 0);
  EXPECT_EQ(tree.ReadFile((dir / "style_def.dat").string()), 1);
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgNoStyleFile});
  EXPECT_TRUE(tree.classes().empty());
}

}  // namespace
}  // namespace tmb::test
