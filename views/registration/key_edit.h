// The registration panel's text box: the list of characters as text. A key or a left
// click makes the character at the caret the current one (a right click only notes the
// caret); an edit or a paste reads the list again.
#pragma once

#include <QPlainTextEdit>

class CTmbView;

class CKeyEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  // Control id of the text box.
  static constexpr int kControlId = 2;

  explicit CKeyEdit(CTmbView* view, QWidget* parent);

  // Shows text as the list without reading it again.
  void ShowList(const QString& text);
  // Selects the character at UTF-16 position pos and scrolls it into sight.
  void SelectAt(int pos);
  // Clears the box, puts the caret at its start and pastes text there.
  void PasteOver(const QString& text);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The caret's place into the panel, as a point just inside its line.
  void NoteCaret();
  // The caret's place noted and its character made the current one.
  void TakeCaret();

  CTmbView* view_;
  bool showing_ = false;
};
