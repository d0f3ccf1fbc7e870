// The build step that fills the data folder with what this project makes of its own: the
// default character file and the two default background pictures.
// Usage: tamberi_make_data <data folder>
#include <cstdio>
#include <filesystem>

#include "core/document/tmb_doc.h"
#include "core/record/default_files.h"
#include "core/state/draw_state.h"
#include "tools/default_char_file.h"
#include "tools/default_pictures.h"

namespace {

int MakePicture(const std::filesystem::path& path, void (*draw)(tmb::Surface&)) {
  tmb::Surface surface;
  if (!surface.Create(CDrawState::kDefaultCanvasWidth, CDrawState::kDefaultCanvasHeight, tmb::PixelFormat::kColour32)
           .ok()) {
    return 0;
  }
  draw(surface);
  return WriteBmpPicture(surface, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  struct Output {
    const char* name;
    bool made;
  } outputs[] = {
      {kDefaultCharFile, WriteDefaultCharFile(folder / kDefaultCharFile) == 1},
      {kDefaultPictureFlowers, MakePicture(folder / kDefaultPictureFlowers, DrawPaperPicture) == 1},
      {kDefaultPictureForest, MakePicture(folder / kDefaultPictureForest, DrawLandscapePicture) == 1},
  };
  int failed = 0;
  for (const Output& o : outputs) {
    if (o.made) continue;
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], (folder / o.name).string().c_str());
    failed = 1;
  }
  return failed;
}
