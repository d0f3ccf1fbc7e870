#include "views/registration/key_edit.h"

#include <QMouseEvent>
#include <QTextBlock>

#include "core/state/draw_state.h"
#include "views/tmb_view.h"

CKeyEdit::CKeyEdit(CTmbView* view, QWidget* parent) : QPlainTextEdit(parent), view_(view) {
  setObjectName(QStringLiteral("registrationList"));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!showing_) view_->OnPanelTextEdited(toPlainText().toStdString());
  });
}

void CKeyEdit::ShowList(const QString& text) {
  showing_ = true;
  setPlainText(text);
  showing_ = false;
}

void CKeyEdit::SelectAt(int pos) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(std::min(pos, int(toPlainText().size())));
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void CKeyEdit::PasteOver(const QString& text) {
  selectAll();
  textCursor().removeSelectedText();
  moveCursor(QTextCursor::Start);
  insertPlainText(text);
}

void CKeyEdit::NoteCaret() {
  const QRect caret = cursorRect();
  gDrawState.m_toolPanel.m_ptCaret = {caret.left(), caret.top() + 1};
}

void CKeyEdit::TakeCaret() {
  NoteCaret();
  view_->OnPanelCaret(textCursor().selectionStart());
}

void CKeyEdit::keyReleaseEvent(QKeyEvent* event) {
  TakeCaret();
  QPlainTextEdit::keyReleaseEvent(event);
}

void CKeyEdit::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (event->button() != Qt::RightButton) {
    TakeCaret();
    return;
  }
  // The right button leaves the current character as it is.
  NoteCaret();
  view_->RefreshPanelText();
}
