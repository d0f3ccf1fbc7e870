// The toolbars of the font-axis window and of a palette: buttons laid out in rows of a
// given number, each button that ends a row carrying the wrap style.
#pragma once

#include <QToolBar>

class CCheckToolBar : public QToolBar {
  Q_OBJECT

 public:
  // A button style bit: the button ends its row.
  static constexpr int kStyleWrapped = 0x20;
  static constexpr int kBorder = 5;

  explicit CCheckToolBar(QWidget* parent = nullptr);

  // Lays the buttons out in rows of n; false (and nothing changed) when n is below 1.
  bool SetColumns(int n);
  // The style bits of button i (separators count as buttons); 0 when there is none.
  int ButtonStyle(int i) const;

  int m_nColumns = 2;
};

// A palette toolbar of the same design.
class CPaletteBar : public CCheckToolBar {
  Q_OBJECT

 public:
  using CCheckToolBar::CCheckToolBar;
};
