#include "imageedit/editor/background_pictures.h"

#include "core/canvas/work_canvas.h"
#include "core/record/char_data_full.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_read_result.h"

int ReadBackgroundPicture(CCharDataFull& record, int which, tmb::Size& size) {
  if (which != 0 && which != 1) return kPictureNotOpened;
  record.m_bPicturesPending &= ~(1 << which);
  const std::string path = record.BackgroundPicturePath(which);
  CWorkBitmap& canvas = gWorkCanvas.m_colorBitmap;
  if (path.empty() || canvas.IsNull()) return kPictureNotOpened;
  size = canvas.size();
  return ReadPictureFile(nullptr, path, &canvas, &size);
}
