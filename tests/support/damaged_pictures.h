// Damaged picture files against a reader: each is written to a file and read into a grey
// target, which must come back with the case's failure and with the target and the size
// argument as they were.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

namespace tmb::test {

struct DamagedPicture {
  const char* name;
  std::vector<uint8_t> bytes;
  int result;
};

// A reader of the picture readers' form: (DC, path, size out, target) -> result.
using PictureReader = int (*)(DeviceContext*, const std::string&, Size*, Surface*);

void ExpectRefusedLeavingTargetAlone(PictureReader read, const std::vector<DamagedPicture>& cases);

}  // namespace tmb::test
