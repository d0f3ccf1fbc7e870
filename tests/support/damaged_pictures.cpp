#include "support/damaged_pictures.h"

#include <gtest/gtest.h>

#include "support/colour_blocks.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace tmb::test {

void ExpectRefusedLeavingTargetAlone(PictureReader read, const std::vector<DamagedPicture>& cases) {
  constexpr Colour kGrey = 0x808080;
  TempDir dir;
  const std::string path = (dir / "damaged").string();
  for (const DamagedPicture& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFileBytes(path, c.bytes);
    Canvas target(24, 16, PixelFormat::kColour32, kGrey);
    Size size{7, 7};
    EXPECT_EQ(read(&target.dc, path, &size, &target.surface), c.result);
    EXPECT_EQ(size, (Size{7, 7}));
    EXPECT_TRUE(AllPixelsAre(target.surface, kGrey));
  }
}

}  // namespace tmb::test
