// The control ids a window holds, for tests that each control of a dialog or page has an
// id of its own: the binding tables name each control "ctl<id>".
#pragma once

#include <QWidget>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tmb::test {

// The control ids under window, with how often each is used.
inline std::map<int, int> ControlIds(const QWidget& window) {
  std::map<int, int> uses;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.startsWith(QStringLiteral("ctl"))) ++uses[name.mid(3).toInt()];
  }
  return uses;
}

// Every id under window is used once, and each of mustHave is among them.
inline void ExpectEveryIdOnce(const QWidget& window, const std::vector<int>& mustHave) {
  const std::map<int, int> uses = ControlIds(window);
  for (const auto& [id, count] : uses) EXPECT_EQ(count, 1) << "control " << id;
  for (int id : mustHave) EXPECT_TRUE(uses.count(id)) << "control " << id;
}

}  // namespace tmb::test
