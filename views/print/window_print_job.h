// The print job of a window that prints itself: named as the page renderer names the job
// of the window printed; the begin and end of the job go to the window, and its page and
// whether it has one to the page renderer through the window's own calls.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/print_service.h"

class CWindowPrintJob final : public tmb::ui::PrintJob {
 public:
  CWindowPrintJob(std::string name, std::function<bool()> ready, std::function<void(bool)> begin,
                  std::function<int(tmb::PageContext&)> page, std::function<void()> end)
      : name_(std::move(name)),
        ready_(std::move(ready)),
        begin_(std::move(begin)),
        page_(std::move(page)),
        end_(std::move(end)) {}

  bool CanPrint() override { return ready_(); }
  std::string DocumentName() override { return name_; }
  void BeginPrinting(bool preview) override { begin_(preview); }
  int PrintPage(tmb::PageContext& page) override { return page_(page); }
  void EndPrinting() override { end_(); }

 private:
  std::string name_;
  std::function<bool()> ready_;
  std::function<void(bool)> begin_;
  std::function<int(tmb::PageContext&)> page_;
  std::function<void()> end_;
};
