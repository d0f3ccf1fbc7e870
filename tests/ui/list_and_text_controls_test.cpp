// The list boxes the user selects from and double-clicks, multi-line edits, the change
// notices of edits, a check after OK that keeps a dialog open, and the font chooser's
// way between the system's fonts and Qt's.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "platform/ui/binding_form.h"
#include "platform/ui/dialog.h"
#include "platform/ui/font_chooser_dialog.h"
#include "platform/ui/list_rows.h"
#include "support/scripted_font_chooser.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::ui {
namespace {

class ListDialog : public ModalDialog {
 public:
  ListDialog() : ModalDialog(313, "list") {}
  std::vector<std::string> lines{"one", "two", "three"};
  std::string script = "a\nb";
  std::string name = "x";
  int count = 1;
  std::vector<std::pair<int, Notify>> notes;
  bool refuse = false;
  int checks = 0;

 protected:
  std::vector<Binding> Bindings() override {
    return {SelectList(522, &lines, true, "lines"), SelectList(350, &lines, false, "one line"),
            MultiLineEdit(524, &script, "script"), TextEdit(532, &name, "name"),
            SignedEdit(527, &count, 1, 128, "count"), ActionButton(329, 1, "run")};
  }
  void OnNotify(DialogWindow&, int id, Notify code) override { notes.emplace_back(id, code); }
  bool OnValidate(DialogWindow&) override {
    ++checks;
    return !refuse;
  }
};

QListWidget* List(DialogWindow& d, int id) { return qobject_cast<QListWidget*>(d.Control(id)); }

TEST(ListAndTextControls, AListSelectsOneOrSeveralLinesAndTellsADoubleClick) {
  test::ScriptedDialogs dialogs;
  ListDialog dlg;
  dialogs.Then([&dlg](DialogWindow& d) {
    EXPECT_EQ(List(d, 522)->count(), 3);
    EXPECT_EQ(SelectedRow(d.Control(522)), -1);
    SelectRows(d.Control(522), {0, 2, 7});
    EXPECT_EQ(SelectedRows(d.Control(522)), (std::vector<int>{0, 2}));
    SelectRows(d.Control(350), {0, 1});
    EXPECT_EQ(SelectedRows(d.Control(350)), std::vector<int>{1}) << "a single-selection list keeps one line";
    // New lines keep the rows still there selected.
    SetListLines(d.Control(522), {"one", "two"});
    EXPECT_EQ(SelectedRows(d.Control(522)), std::vector<int>{0});
    emit List(d, 522)->itemDoubleClicked(List(d, 522)->item(1));
    EXPECT_EQ(dlg.notes.back(), (std::pair<int, Notify>{522, Notify::kDoubleClick}));
    return kIdCancel;
  });
  dlg.DoModal();
}

TEST(ListAndTextControls, AMultiLineEditKeepsItsLinesAndEditsTellEachChangeButNotTheirLoading) {
  test::ScriptedDialogs dialogs;
  ListDialog dlg;
  dialogs.Then([&dlg](DialogWindow& d) {
    auto* script = qobject_cast<QPlainTextEdit*>(d.Control(524));
    EXPECT_EQ(script->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_TRUE(dlg.notes.empty()) << "loading the controls is no change";
    test::ScriptedDialogs::Type(d, 532, "y");
    test::ScriptedDialogs::Type(d, 527, "12");
    test::ScriptedDialogs::Type(d, 527, "1");
    script->setPlainText(QStringLiteral("c\nd\ne"));
    EXPECT_EQ(dlg.notes, (std::vector<std::pair<int, Notify>>{
                             {532, Notify::kChanged}, {527, Notify::kChanged}, {527, Notify::kChanged},
                             {524, Notify::kChanged}}));
    d.form()->UpdateData(false);
    EXPECT_EQ(dlg.notes.size(), 4u);
    script->setPlainText(QStringLiteral("c\nd\ne"));
    return test::ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.script, "c\nd\ne");
}

TEST(ListAndTextControls, ACheckAfterOkOrAnActionKeepsTheDialogOpen) {
  test::ScriptedDialogs dialogs;
  ListDialog dlg;
  dlg.refuse = true;
  dialogs.Then([&dlg](DialogWindow& d) {
    EXPECT_EQ(test::ScriptedDialogs::PressOk(d), 0);
    test::ScriptedDialogs::Click(d, 329);
    EXPECT_EQ(d.result(), 0);
    EXPECT_EQ(dlg.m_nAction, 0);
    dlg.refuse = false;
    test::ScriptedDialogs::Click(d, 329);
    return d.result() == QDialog::Accepted ? kIdOk : 0;
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.checks, 3);
  EXPECT_EQ(dlg.m_nAction, 1);
}

TEST(ListAndTextControls, TheFontChooserAnswersAsScriptedAndQtFontsCarryFaceSizeAndStyle) {
  Font font;
  font.faceName = "IPAGothic";
  font.height = -24;
  font.weight = 700;
  font.italic = true;
  {
    test::ScriptedFontChooser chooser;
    EXPECT_EQ(ChooseFont(font), 0);
    chooser.Next([](Font& f) { f.weight = 900; });
    EXPECT_EQ(ChooseFont(font), 1);
    ASSERT_EQ(chooser.offered.size(), 2u);
    EXPECT_EQ(chooser.offered[1].weight, 700);
  }
  EXPECT_EQ(font.weight, 900);
  EXPECT_EQ(ChooseFont(font), 0) << "without a chooser every question is cancelled";
  const QFont q = ToQFont(font);
  EXPECT_EQ(q.pixelSize(), 24);
  EXPECT_EQ(q.weight(), QFont::Black);
  EXPECT_TRUE(q.italic());
  Font back;
  TakeQFont(q, back);
  EXPECT_EQ(back.faceName, "IPAGothic");
  EXPECT_EQ(back.height, -24);
  EXPECT_EQ(back.weight, 900);
  EXPECT_TRUE(back.italic);
}

}  // namespace
}  // namespace tmb::ui
