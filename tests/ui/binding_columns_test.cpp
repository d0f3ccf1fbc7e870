// A binding table laid out in columns: the rows go down the first column and on into the
// next in table order, a radio set counts as tall as its buttons, the form is a fraction
// of the height of one column, and the exchange works as in one column.
#include <QLayout>
#include <QLineEdit>
#include <array>
#include <gtest/gtest.h>

#include "platform/ui/binding_form.h"

namespace tmb::ui {
namespace {

std::vector<Binding> Table(std::array<int, 9>& values) {
  std::vector<Binding> table;
  for (int i = 0; i < 8; ++i) table.push_back(SignedEdit(100 + i, &values[size_t(i)], 0, 99, "value"));
  // As tall as five rows: it fills the last column alone.
  table.push_back(RadioGroup(200, &values[8], {"a", "b", "c", "d"}, "mode"));
  return table;
}

TEST(BindingColumns, RowsRunDownEachColumnInTableOrderAndTheFormIsShorter) {
  std::array<int, 9> values{1, 2, 3, 4, 5, 6, 7, 8, 2};
  BindingForm one(Table(values));
  BindingForm three(Table(values), nullptr, 3);
  for (BindingForm* form : {&one, &three}) {
    form->show();
    form->layout()->activate();
  }
  auto at = [&three](int id) { return three.Control(id)->mapTo(&three, QPoint(0, 0)); };
  // 13 rows, five to a column: five edits, three more (the radio set does not fit under
  // them), then the radio set.
  EXPECT_EQ(at(100).x(), at(104).x());
  EXPECT_LT(at(100).y(), at(104).y());
  EXPECT_LT(at(104).x(), at(105).x());
  EXPECT_EQ(at(105).y(), at(100).y()) << "the second column starts at the top";
  EXPECT_EQ(at(105).x(), at(107).x());
  EXPECT_LT(at(107).x(), at(200).x());
  EXPECT_LT(three.sizeHint().height() * 3, one.sizeHint().height() * 2);

  ASSERT_TRUE(three.UpdateData(false));
  EXPECT_EQ(qobject_cast<QLineEdit*>(three.Control(105))->text(), QStringLiteral("6"));
  qobject_cast<QLineEdit*>(three.Control(105))->setText(QStringLiteral("42"));
  ASSERT_TRUE(three.UpdateData(true));
  EXPECT_EQ(values[5], 42);
}

}  // namespace
}  // namespace tmb::ui
