#include "platform/service/file_chooser.h"

namespace tmb {
namespace {

class CancelAll final : public FileChooser {
 public:
  bool OpenFile(const FileChoice&, std::string&) override { return false; }
  bool SaveFile(const FileChoice&, std::string&) override { return false; }
  bool ChooseFolder(const std::string&, std::string&, const std::string&) override { return false; }
};

CancelAll gNone;
FileChooser* gChooser = &gNone;

}  // namespace

FileChooser& Choosers() { return *gChooser; }

void SetFileChooser(FileChooser* chooser) { gChooser = chooser ? chooser : &gNone; }

}  // namespace tmb
