// Message boxes by string-table id. The engines call these; the UI installs the real
// service at start-up and tests install a scripted one.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tmb {

// Button sets and answers, numbered as the string-table messages expect them.
// kMsgYesNoDefaultNo asks Yes or No with No as the default: a question whose Yes risks a file.
enum MessageStyle { kMsgOk = 0, kMsgOkCancel = 1, kMsgYesNoCancel = 3, kMsgYesNo = 4, kMsgYesNoDefaultNo = 5 };
enum MessageAnswer { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

class MessageService {
 public:
  virtual ~MessageService() = default;
  // Shows text (already looked up) for message id; returns one of MessageAnswer.
  virtual int Show(int id, const std::string& text, int style) = 0;
  virtual void Beep() = 0;
};

// The installed service; a silent one that answers OK (or Yes) until another is set.
MessageService& Messages();
// The answer a service that asks nobody gives: the default of a question (Yes, or No where
// No is the default), else OK.
int SilentAnswer(int style);
// Installs service (not owned); nullptr restores the silent default.
void SetMessageService(MessageService* service);

// Shows the string-table text of id with %1, %2 ... replaced by args.
int ShowMessage(int id, int style = kMsgOk, std::initializer_list<std::string_view> args = {});
// Replaces %1 to %9 in text by the matching argument ("%%" stays a percent sign).
std::string FormatMessageText(std::string_view text, std::initializer_list<std::string_view> args);
void Beep();

}  // namespace tmb
