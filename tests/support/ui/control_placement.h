// Where a binding form's sliders and arrows stand, as the user sees them: each in the row
// of the edit it belongs to, right beside it (a slider after the edit's arrows), at no
// less than its size hint and wholly inside its window. The sheets' tabs are brought in
// front one by one, as a click on each does, to look at every page.
#pragma once

#include <QCoreApplication>
#include <QLineEdit>
#include <QRect>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/binding_form.h"

namespace tmb::test {

// The room a layout leaves between two controls of a row, and a little more.
constexpr int kRowGap = 12;

// Whether b is a slider or arrows standing beside an edit.
inline bool StandsBesideAnEdit(const ui::Binding& b) {
  return (b.kind == ui::BindKind::kSlider || b.kind == ui::BindKind::kSpin) && b.beside > 0;
}

inline const char* KindName(const ui::Binding& b) { return b.kind == ui::BindKind::kSlider ? "slider" : "arrows"; }

// What is wrong with the sliders and arrows of a form on the screen, one line each, named
// by where; empty when all stand right.
inline std::vector<std::string> MisplacedBesideEdits(const ui::BindingForm& form, const std::string& where) {
  std::vector<std::string> faults;
  const QWidget* window = form.window();
  auto rectOf = [window](const QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
  for (const ui::Binding& b : form.table()) {
    if (!StandsBesideAnEdit(b)) continue;
    const QWidget* control = form.Control(b.id);
    const auto* edit = qobject_cast<const QLineEdit*>(form.Control(b.beside));
    const std::string name =
        where + ": " + KindName(b) + " " + std::to_string(b.id) + " of edit " + std::to_string(b.beside);
    if (!control || !edit) {
      faults.push_back(name + " is missing");
      continue;
    }
    if (!control->isVisible() || !edit->isVisible()) continue;
    const QRect c = rectOf(control);
    const QRect e = rectOf(edit);
    // The control this one follows: the edit, or for a slider the edit's arrows.
    QRect before = e;
    for (const ui::Binding& other : form.table()) {
      if (b.kind != ui::BindKind::kSlider || other.kind != ui::BindKind::kSpin || other.beside != b.beside) continue;
      if (const QWidget* arrows = form.Control(other.id); arrows && arrows->isVisible()) before = rectOf(arrows);
    }
    if (std::abs(c.center().y() - e.center().y()) > e.height() / 4) {
      faults.push_back(name + " is not in its edit's row");
    } else if (c.left() <= before.right() || c.left() - before.right() > kRowGap) {
      faults.push_back(name + " is not right beside its edit");
    }
    if (control->width() < control->sizeHint().width() || control->height() < control->sizeHint().height()) {
      faults.push_back(name + " is squeezed below its size hint");
    }
    if (!QRect(QPoint(0, 0), window->size()).contains(c)) faults.push_back(name + " reaches out of its window");
  }
  return faults;
}

// What is wrong with the sliders and arrows of every form shown in window.
inline std::vector<std::string> MisplacedInWindow(const QWidget& window, const std::string& where) {
  std::vector<std::string> faults;
  for (const ui::BindingForm* form : window.findChildren<ui::BindingForm*>()) {
    if (!form->isVisible()) continue;
    for (std::string& fault : MisplacedBesideEdits(*form, where)) faults.push_back(std::move(fault));
  }
  return faults;
}

// The kinds of control ("slider", "arrows") that stand beside edits in the forms shown in
// window.
inline std::set<std::string> KindsBesideEdits(const QWidget& window) {
  std::set<std::string> kinds;
  for (const ui::BindingForm* form : window.findChildren<ui::BindingForm*>()) {
    if (!form->isVisible()) continue;
    for (const ui::Binding& b : form->table()) {
      if (StandsBesideAnEdit(b)) kinds.insert(KindName(b));
    }
  }
  return kinds;
}

// The name a floating window goes by in the messages: its object name, or else its title.
inline std::string WindowName(const QWidget& window) {
  return (window.objectName().isEmpty() ? window.windowTitle() : window.objectName()).toStdString();
}

// Each tab of the sheets in window brought in front as a click on it does; look is called
// after each with where and the tab's text.
inline void ClickEachTab(QWidget& window, const std::string& where, const std::function<void(const std::string&)>& look) {
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      QTabBar* bar = tabs->tabBar();
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
      QCoreApplication::processEvents();
      look(where + " tab " + tabs->tabText(i).toStdString());
    }
  }
}

}  // namespace tmb::test
