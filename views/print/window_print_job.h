// The print job of a window that prints itself: the begin and end of the job go to the
// window, and its page to the page renderer through the window's own call.
#pragma once

#include <functional>

#include "platform/ui/print_service.h"

class CWindowPrintJob final : public tmb::ui::PrintJob {
 public:
  CWindowPrintJob(std::function<void(bool)> begin, std::function<int(tmb::PageContext&)> page,
                  std::function<void()> end)
      : begin_(std::move(begin)), page_(std::move(page)), end_(std::move(end)) {}

  void BeginPrinting(bool preview) override { begin_(preview); }
  int PrintPage(tmb::PageContext& page) override { return page_(page); }
  void EndPrinting() override { end_(); }

 private:
  std::function<void(bool)> begin_;
  std::function<int(tmb::PageContext&)> page_;
  std::function<void()> end_;
};
