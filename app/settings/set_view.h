// The settings panel beside the drawing view of windows A and B: a few brush parameters
// of the window's drawn record as labelled scroll bars with their values and maxima, and
// three command buttons below them. A value that settles rebuilds the brush outline.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font.h"
#include "platform/gdi/surface.h"
#include "platform/ui/view.h"

class CSetScrollBar;
class CTmbDoc;
class CTmbView;
class QPushButton;

class CSetView : public tmb::ui::View {
  Q_OBJECT

 public:
  static constexpr int kRows = 8;
  static constexpr int kButtons = 3;
  static constexpr int kLabelSlots = 16;
  // The scroll range of every row is 0..kScale.
  static constexpr int kScale = 100;

  // Takes its window kind from the kind being created (CDrawState::m_nCreatingKind).
  CSetView(tmb::ui::Document* document, int viewClass, QWidget* parent = nullptr);

  void OnInitialUpdate() override;
  void OnDraw(tmb::DeviceContext& dc);
  // Shows the command buttons when they were hidden and hides them when shown, in every
  // panel alike, and redraws at once.
  void ToggleButtons();
  // The drawing view beside the panel, and its document; null when there is none.
  CTmbView* CharacterView() const;
  CTmbDoc* GetCharDocument() const;
  // One scroll code (SetScrollCode) on row; pos is the bar position of the thumb codes.
  void OnHScroll(int row, int code, int pos);

  // What the panel shows: the row set (0, 1 or 2) and its rows' parameters and texts
  // (UTF-8), as drawn last.
  int shownSet() const { return m_nSet; }
  int rowCount() const { return m_nRows; }
  int RowParam(int row) const;
  const std::string& RowLabel(int row) const { return m_rowLabels[size_t(row)]; }
  const std::string& RowValueText(int row) const { return m_rowValueTexts[size_t(row)]; }
  CSetScrollBar* rowBar(int row) const { return m_bars[size_t(row)]; }
  QPushButton* button(int i) const { return m_buttons[size_t(i)]; }
  const tmb::Surface& surface() const { return m_surface; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void BuildControls(tmb::DeviceContext& dc);
  void PlaceControls();
  void FillRowLabels();
  void ShowRowsAndButtons();
  void DrawFrames(tmb::DeviceContext& dc);
  void DrawRow(tmb::DeviceContext& dc, int row);
  void SetFrameTitle();
  // The rebuild after a value settled, unless the record still holds the value built last.
  void ApplyValue(CTmbDoc& doc, int p, int32_t value);

  int m_nKind;
  tmb::Font m_fontLabel, m_fontValue, m_fontButton;
  std::array<tmb::Rect, kRows> m_rcRows{};
  std::array<CSetScrollBar*, kRows> m_bars{};
  std::array<std::string, kButtons> m_buttonLabels;
  std::array<std::string, kRows> m_rowLabels;
  std::array<std::string, kRows> m_rowValueTexts;
  std::array<std::string, kLabelSlots> m_labelTable;
  int m_nScale = kScale;
  int m_bBuilt = 0;
  int m_nSet = 0;
  int m_nPrevSet = 0;
  int m_nRows = 0;
  // By parameter index: the value the outline was last built with; -1 for none.
  std::array<int32_t, kRows> m_lastApplied{};
  std::array<QPushButton*, kButtons> m_buttons{};
  int m_bButtonsHidden = 0;
  int m_bPrevButtonsHidden = 0;
  tmb::Surface m_surface;
};
