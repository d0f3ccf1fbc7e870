#include "views/print/print_source.h"

#include <array>

namespace {

// Window kinds 0 to 3: drawing windows A and B, the image editor and the preview.
constexpr int kPrintKinds = 4;

std::array<CPrintSource*, kPrintKinds>& Sources() {
  static std::array<CPrintSource*, kPrintKinds> sources{};
  return sources;
}

}  // namespace

void RegisterPrintSource(int kind, CPrintSource* source) {
  if (kind >= 0 && kind < kPrintKinds) Sources()[size_t(kind)] = source;
}

void UnregisterPrintSource(const CPrintSource* source) {
  for (CPrintSource*& s : Sources()) {
    if (s == source) s = nullptr;
  }
}

CPrintSource* PrintSourceOfKind(int kind) {
  return kind >= 0 && kind < kPrintKinds ? Sources()[size_t(kind)] : nullptr;
}
