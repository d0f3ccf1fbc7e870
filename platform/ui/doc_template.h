// A document template: how one kind of window is made, its document, its frame and the
// view the frame shows, and the menu it brings with it.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/child_frame.h"

namespace tmb::ui {

class Document;
class MainFrame;

class DocTemplate {
 public:
  using DocumentFactory = std::function<Document*()>;
  using FrameFactory = std::function<ChildFrame*(Document*)>;

  DocTemplate(int menuId, std::string docString, DocumentFactory document, FrameFactory frame,
              ViewFactory view);

  int menuId() const { return menuId_; }
  const std::string& docString() const { return docString_; }

  // A new document in a new frame inside main, shown and given its first update; null
  // (and nothing left behind) when the frame could not be built.
  Document* OpenNew(MainFrame& main) const;

 private:
  int menuId_;
  std::string docString_;
  DocumentFactory makeDocument_;
  FrameFactory makeFrame_;
  ViewFactory makeView_;
};

}  // namespace tmb::ui
