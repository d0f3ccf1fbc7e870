#include "platform/ui/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tmb::ui {

int MessageBoxService::Show(int, const std::string& text, int style) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QStringLiteral("Tamberi"));
  box.setText(QString::fromStdString(text));
  switch (style) {
    case kMsgOkCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case kMsgYesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case kMsgYesNo:
    case kMsgYesNoDefaultNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      if (style == kMsgYesNoDefaultNo) box.setDefaultButton(QMessageBox::No);
      break;
    default:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    case QMessageBox::Cancel: return kAnswerCancel;
    default: return style == kMsgYesNo || style == kMsgYesNoDefaultNo ? kAnswerNo : kAnswerOk;
  }
}

void MessageBoxService::Beep() { QApplication::beep(); }

}  // namespace tmb::ui
