#include "platform/ui/binding_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "platform/service/messages.h"
#include "platform/ui/list_rows.h"
#include "platform/ui/swatch_box.h"

namespace tmb::ui {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString NumberText(double v) { return QString::number(v, 'g', 10); }

bool IsNumberEdit(BindKind kind) {
  return kind == BindKind::kUnsigned || kind == BindKind::kSigned || kind == BindKind::kFloat;
}

template <typename T>
T* MemberAs(const Binding& b) {
  T* const* p = std::get_if<T*>(&b.member);
  return p ? *p : nullptr;
}

// A number as its edit shows it: the nearest value of the binding's range.
template <typename T>
T InRange(const Binding& b, T value) {
  if (double(value) < b.min) return static_cast<T>(b.min);
  if (double(value) > b.max) return static_cast<T>(b.max);
  return value;
}

// The digits a text edit has room for at least.
constexpr int kTextEditChars = 24;

// Sliders and spins follow the edits they mirror, so they load after every edit.
bool FollowsEdits(BindKind kind) { return kind == BindKind::kSlider || kind == BindKind::kSpin; }

// The up and down arrows beside an edit: the edit shows the number, the arrows only step
// it, so the value is shown once. Two whole buttons, one above the other, cover the box,
// which is as high as a spin box and as wide as the style draws a button with an arrow;
// the layout gives it that size.
class ArrowSpin final : public QSpinBox {
 public:
  explicit ArrowSpin(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->hide();
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (auto [arrow, step] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
      auto* button = new QToolButton(this);
      button->setArrowType(arrow);
      button->setAutoRepeat(true);
      button->setFocusPolicy(Qt::NoFocus);
      button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
      connect(button, &QToolButton::clicked, this, [this, step = step] { stepBy(step); });
      column->addWidget(button);
    }
  }
  QSize sizeHint() const override {
    const QToolButton* up = findChild<QToolButton*>();
    return {up->sizeHint().width(), QSpinBox::sizeHint().height()};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  // The buttons cover the box: the spin box itself draws nothing.
  void paintEvent(QPaintEvent*) override {}
};

}  // namespace

void RefuseNumber(QLineEdit& edit, double min, double max, bool fractional) {
  tmb::ShowMessage(fractional ? 61502 : 61501, tmb::kMsgOk, {NumberText(min).toStdString(), NumberText(max).toStdString()});
  edit.setFocus();
  edit.selectAll();
}

BindingForm::BindingForm(std::vector<Binding> table, QWidget* parent, int columns)
    : QWidget(parent), table_(std::move(table)), columns_(columns) {
  Build();
}

QWidget* BindingForm::Control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

void BindingForm::Build() {
  BuildRows();
  // Placed while the form is made, so that it has its final size before it is first shown.
  PlaceBesideEdits();
}

void BindingForm::BuildRows() {
  if (columns_ <= 1) {
    auto* grid = new QGridLayout(this);
    for (size_t i = 0; i < table_.size(); ++i) AddRow(*grid, int(i), table_[i]);
    return;
  }
  // Columns side by side, each filled to about an equal height from the top.
  auto* row = new QHBoxLayout(this);
  int total = 0;
  for (const Binding& b : table_) total += RowUnits(b);
  const int perColumn = (total + columns_ - 1) / columns_;
  QGridLayout* grid = nullptr;
  int used = 0, line = 0, column = 0;
  for (const Binding& b : table_) {
    const int units = RowUnits(b);
    if (!grid || (used > 0 && used + units > perColumn && column < columns_)) {
      auto* stack = new QVBoxLayout;
      grid = new QGridLayout;
      stack->addLayout(grid);
      stack->addStretch();
      row->addLayout(stack);
      used = line = 0;
      ++column;
    }
    AddRow(*grid, line++, b);
    used += units;
  }
}

int BindingForm::RowUnits(const Binding& b) {
  switch (b.kind) {
    case BindKind::kRadio: return int(b.options.size()) + 1;
    case BindKind::kList:
    case BindKind::kSelectList:
    case BindKind::kMultiText: return 5;
    default: return 1;
  }
}

void BindingForm::AddRow(QGridLayout& grid, int row, const Binding& b) {
  if (b.kind == BindKind::kRadio) {
    grid.addWidget(BuildRadio(b), row, 0, 1, 2);
    return;
  }
  QWidget* control = BuildControl(b);
  control->setObjectName(QStringLiteral("ctl%1").arg(b.id));
  controls_[b.id] = control;
  const bool captioned = b.kind == BindKind::kCheck || b.kind == BindKind::kButton || b.kind == BindKind::kPush ||
                         b.kind == BindKind::kFrame || b.kind == BindKind::kLabel;
  const bool labelled = !captioned && !b.label.empty();
  if (labelled) grid.addWidget(new QLabel(Text(b.label), this), row, 0);
  grid.addWidget(control, row, labelled ? 1 : 0, 1, labelled ? 1 : 2);
}

QWidget* BindingForm::BuildRadio(const Binding& b) {
  auto* box = new QGroupBox(Text(b.label), this);
  auto* column = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (size_t i = 0; i < b.options.size(); ++i) {
    auto* button = new QRadioButton(Text(b.options[i]), box);
    const int id = i < b.ids.size() ? b.ids[i] : b.id + static_cast<int>(i);
    button->setObjectName(QStringLiteral("ctl%1").arg(id));
    group->addButton(button, static_cast<int>(i));
    column->addWidget(button);
    controls_[id] = button;
    connect(button, &QRadioButton::clicked, this, [this, id] { Tell(id, Notify::kClicked); });
    connect(button, &QRadioButton::toggled, this, [this, group = b.id] { Touch(group); });
  }
  return box;
}

QWidget* BindingForm::BuildControl(const Binding& b) {
  switch (b.kind) {
    case BindKind::kUnsigned:
    case BindKind::kSigned:
    case BindKind::kFloat:
    case BindKind::kText: {
      auto* edit = new QLineEdit(this);
      // A name or a folder stays readable however narrow its column would lay out.
      if (b.kind == BindKind::kText) {
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kTextEditChars);
      }
      connect(edit, &QLineEdit::textChanged, this, [this, id = b.id, number = IsNumberEdit(b.kind)] {
        Touch(id);
        // The arrows beside the edit stand at each number typed.
        if (number) MirrorEdit(id, true);
        TellChange(id);
      });
      connect(edit, &QLineEdit::editingFinished, this, [this, id = b.id, number = IsNumberEdit(b.kind)] {
        if (number) MirrorEdit(id);
        Tell(id, Notify::kKillFocus);
      });
      return edit;
    }
    case BindKind::kMultiText: {
      auto* edit = new QPlainTextEdit(this);
      connect(edit, &QPlainTextEdit::textChanged, this, [this, id = b.id] {
        Touch(id);
        TellChange(id);
      });
      return edit;
    }
    case BindKind::kSelectList: {
      auto* list = new QListWidget(this);
      list->setSelectionMode(b.max > 1 ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
      connect(list, &QListWidget::itemDoubleClicked, this, [this, id = b.id] { Tell(id, Notify::kDoubleClick); });
      return list;
    }
    case BindKind::kCheck: {
      auto* box = new QCheckBox(Text(b.label), this);
      connect(box, &QCheckBox::toggled, this, [this, id = b.id] { Touch(id); });
      connect(box, &QCheckBox::clicked, this, [this, id = b.id] { Tell(id, Notify::kClicked); });
      return box;
    }
    case BindKind::kSlider: {
      auto* slider = new QSlider(Qt::Horizontal, this);
      slider->setRange(static_cast<int>(b.min), static_cast<int>(b.max));
      // A window squeezed to fit the screen keeps its sliders long enough to drag.
      slider->setMinimumWidth(slider->sizeHint().width());
      // Every step of a drag, not only its end, reaches the edit.
      connect(slider, &QSlider::valueChanged, this, [this, index = &b - table_.data()](int position) {
        const Binding& line = table_[static_cast<size_t>(index)];
        Touch(line.id);
        MirrorSlider(line, position);
        Tell(line.id, Notify::kScroll);
      });
      return slider;
    }
    case BindKind::kSpin: {
      auto* spin = new ArrowSpin(this);
      spin->setRange(static_cast<int>(b.min), static_cast<int>(b.max));
      connect(spin, &QSpinBox::valueChanged, this, [this, buddy = b.buddy, id = b.id](int value) {
        if (auto* edit = qobject_cast<QLineEdit*>(Control(buddy))) edit->setText(QString::number(value));
        Tell(id, Notify::kScroll);
      });
      return spin;
    }
    case BindKind::kCombo: {
      auto* combo = new QComboBox(this);
      for (const std::string& item : b.options) combo->addItem(Text(item));
      connect(combo, &QComboBox::currentIndexChanged, this, [this, id = b.id] { Touch(id); });
      connect(combo, &QComboBox::activated, this, [this, id = b.id] { Tell(id, Notify::kClicked); });
      return combo;
    }
    case BindKind::kButton: {
      auto* button = new QPushButton(Text(b.label), this);
      connect(button, &QPushButton::clicked, this, [this, action = b.buddy] {
        if (onAction_) onAction_(action);
      });
      return button;
    }
    case BindKind::kPush: {
      auto* button = new QPushButton(Text(b.label), this);
      connect(button, &QPushButton::clicked, this, [this, id = b.id] { Tell(id, Notify::kClicked); });
      return button;
    }
    case BindKind::kList:
      return new QListWidget(this);
    case BindKind::kFrame:
      return new QGroupBox(Text(b.label), this);
    case BindKind::kSwatch: {
      auto* swatch = new SwatchBox(b.colour, this);
      swatch->SetFocusHandler([this, id = b.id] { Tell(id, Notify::kSetFocus); });
      return swatch;
    }
    case BindKind::kLabel:
    case BindKind::kRadio:
      break;
  }
  auto* label = new QLabel(Text(b.label), this);
  label->setWordWrap(true);
  return label;
}

void BindingForm::Tell(int id, Notify code) {
  if (onNotify_) onNotify_(id, code);
}

void BindingForm::TellChange(int id) {
  if (!loading_) Tell(id, Notify::kChanged);
}

bool BindingForm::UpdateData(bool save) {
  if (save) {
    for (const Binding& b : table_) {
      if (!SaveOne(b)) return false;
    }
    return true;
  }
  loading_ = true;
  for (bool following : {false, true}) {
    for (const Binding& b : table_) {
      if (FollowsEdits(b.kind) == following) LoadOne(b);
    }
  }
  loading_ = false;
  touched_.clear();
  return true;
}

void BindingForm::Touch(int id) {
  if (!loading_) touched_.insert(id);
}

void BindingForm::LoadOne(const Binding& b) {
  QWidget* control = Control(b.id);
  switch (b.kind) {
    case BindKind::kUnsigned:
      if (auto* m = MemberAs<unsigned>(b)) static_cast<QLineEdit*>(control)->setText(QString::number(InRange(b, *m)));
      break;
    case BindKind::kSigned:
      if (auto* m = MemberAs<int>(b)) static_cast<QLineEdit*>(control)->setText(QString::number(InRange(b, *m)));
      break;
    case BindKind::kFloat:
      if (auto* m = MemberAs<float>(b)) static_cast<QLineEdit*>(control)->setText(NumberText(InRange(b, *m)));
      break;
    case BindKind::kText:
      if (auto* m = MemberAs<std::string>(b)) static_cast<QLineEdit*>(control)->setText(Text(*m));
      break;
    case BindKind::kCheck:
      if (auto* m = MemberAs<int>(b)) static_cast<QCheckBox*>(control)->setChecked(*m != 0);
      break;
    case BindKind::kRadio:
      if (auto* m = MemberAs<int>(b)) {
        auto* group = static_cast<QRadioButton*>(control)->group();
        // Unchecking every button needs a moment without exclusivity.
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == *m);
        group->setExclusive(true);
      }
      break;
    case BindKind::kSlider: {
      // A slider without a member of its own stands where its edit says.
      auto* edit = qobject_cast<QLineEdit*>(Control(b.buddy));
      int* m = MemberAs<int>(b);
      if (!m && !edit) break;
      QSignalBlocker block(control);
      static_cast<QSlider*>(control)->setValue((m ? *m : edit->text().toInt()) / b.factor);
      break;
    }
    case BindKind::kCombo:
      if (auto* m = MemberAs<int>(b)) static_cast<QComboBox*>(control)->setCurrentIndex(*m);
      break;
    case BindKind::kSpin:
      // Follows its edit, which stands before it in the table.
      if (auto* edit = qobject_cast<QLineEdit*>(Control(b.buddy))) {
        QSignalBlocker block(control);
        static_cast<QSpinBox*>(control)->setValue(edit->text().toInt());
      }
      break;
    case BindKind::kList:
      if (auto* m = MemberAs<std::vector<std::string>>(b)) {
        auto* list = static_cast<QListWidget*>(control);
        list->clear();
        for (const std::string& line : *m) list->addItem(Text(line));
      }
      break;
    case BindKind::kMultiText:
      if (auto* m = MemberAs<std::string>(b)) static_cast<QPlainTextEdit*>(control)->setPlainText(Text(*m));
      break;
    case BindKind::kSelectList:
      if (auto* m = MemberAs<std::vector<std::string>>(b)) SetListLines(control, *m);
      break;
    default:
      break;
  }
}

bool BindingForm::SaveOne(const Binding& b) {
  QWidget* control = Control(b.id);
  if (!touched_.count(b.id)) return true;
  if (IsNumberEdit(b.kind)) {
    auto* edit = static_cast<QLineEdit*>(control);
    QString text = edit->text().trimmed();
    bool ok = false;
    double value = b.kind == BindKind::kFloat ? text.toDouble(&ok) : double(text.toLongLong(&ok));
    // Written so that "nan", which parses, fails the range as well.
    if (!ok || !(value >= b.min && value <= b.max)) {
      RefuseNumber(*edit, b.min, b.max, b.kind == BindKind::kFloat);
      return false;
    }
    if (auto* m = MemberAs<unsigned>(b)) *m = static_cast<unsigned>(value);
    if (auto* m = MemberAs<int>(b)) *m = static_cast<int>(value);
    if (auto* m = MemberAs<float>(b)) *m = static_cast<float>(value);
    touched_.erase(b.id);
    return true;
  }
  switch (b.kind) {
    case BindKind::kText:
      if (auto* m = MemberAs<std::string>(b)) *m = static_cast<QLineEdit*>(control)->text().toStdString();
      break;
    case BindKind::kCheck:
      if (auto* m = MemberAs<int>(b)) *m = static_cast<QCheckBox*>(control)->isChecked() ? 1 : 0;
      break;
    case BindKind::kRadio:
      if (auto* m = MemberAs<int>(b)) *m = static_cast<QRadioButton*>(control)->group()->checkedId();
      break;
    case BindKind::kSlider:
      if (auto* m = MemberAs<int>(b)) *m = static_cast<QSlider*>(control)->value() * b.factor;
      break;
    case BindKind::kCombo:
      if (auto* m = MemberAs<int>(b)) *m = static_cast<QComboBox*>(control)->currentIndex();
      break;
    case BindKind::kMultiText:
      if (auto* m = MemberAs<std::string>(b)) *m = static_cast<QPlainTextEdit*>(control)->toPlainText().toStdString();
      break;
    default:
      break;
  }
  touched_.erase(b.id);
  return true;
}

void BindingForm::PlaceBesideEdits() {
  // The grid that holds control, and its cell there.
  struct Cell {
    QGridLayout* grid = nullptr;
    int row = 0, column = 0, rows = 0, columns = 0;
  };
  auto cellOf = [this](QWidget* control) {
    Cell cell;
    for (QGridLayout* grid : findChildren<QGridLayout*>()) {
      const int index = grid->indexOf(control);
      if (index < 0) continue;
      cell.grid = grid;
      grid->getItemPosition(index, &cell.row, &cell.column, &cell.rows, &cell.columns);
    }
    return cell;
  };
  // The arrows first, then a slider after them: each takes the first free cells of the
  // edit's row.
  for (BindKind kind : {BindKind::kSpin, BindKind::kSlider}) {
    for (const Binding& b : table_) {
      if (b.kind != kind || b.beside <= 0) continue;
      QWidget* control = Control(b.id);
      const Cell edit = cellOf(Control(b.beside));
      const Cell own = cellOf(control);
      if (!control || !edit.grid || !own.grid || !qobject_cast<QLineEdit*>(Control(b.beside))) continue;
      // A slider's caption (its two ends, "弱 - 強") stood left of it and follows it right.
      QLayoutItem* caption = own.column > 0 ? own.grid->itemAtPosition(own.row, 0) : nullptr;
      QWidget* label = caption ? caption->widget() : nullptr;
      int column = edit.column + edit.columns;
      while (edit.grid->itemAtPosition(edit.row, column)) ++column;
      for (QWidget* moved : {control, label}) {
        if (!moved) continue;
        own.grid->removeWidget(moved);
        edit.grid->addWidget(moved, edit.row, column++, Qt::AlignVCenter);
      }
    }
  }
}

void BindingForm::MirrorSlider(const Binding& slider, int position) {
  const int value = position * slider.factor;
  if (auto* m = MemberAs<int>(slider)) *m = value;
  if (auto* edit = qobject_cast<QLineEdit*>(Control(slider.buddy))) edit->setText(QString::number(value));
}

void BindingForm::MirrorEdit(int editId, bool spinsOnly) {
  bool ok = false;
  int value = static_cast<QLineEdit*>(Control(editId))->text().trimmed().toInt(&ok);
  if (!ok) return;
  for (const Binding& b : table_) {
    if (b.buddy != editId) continue;
    if (b.kind == BindKind::kSlider && !spinsOnly) {
      auto* slider = static_cast<QSlider*>(Control(b.id));
      QSignalBlocker block(slider);
      slider->setValue(value / b.factor);
      if (auto* m = MemberAs<int>(b)) *m = slider->value() * b.factor;
    } else if (b.kind == BindKind::kSpin) {
      auto* spin = static_cast<QSpinBox*>(Control(b.id));
      QSignalBlocker block(spin);
      spin->setValue(value);
    }
  }
}

}  // namespace tmb::ui
