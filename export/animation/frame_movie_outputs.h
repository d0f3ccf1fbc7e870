// The outputs of a frame run that other writers provide: the AVI movie and the HTML
// index page of the frame pictures. Each is installed by its writer; until then the AVI
// movie cannot be opened and the index page keeps nothing.
#pragma once

#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

class AviMovieOutput {
 public:
  virtual ~AviMovieOutput() = default;
  // Starts a movie of length frames of width x height with wait (1/100 s) at path
  // (UTF-8); false when it cannot be made.
  virtual bool Open(const std::string& /*path*/, int /*width*/, int /*height*/, int /*length*/, int /*wait*/) {
    return false;
  }
  // Adds the block (0, 0, width, height) of picture as the next frame.
  virtual bool AddFrame(tmb::DeviceContext& /*dc*/, const tmb::Surface& /*picture*/, int /*width*/, int /*height*/) {
    return false;
  }
  // Finishes the movie (recompressed with the codec the user picks when asked) and puts
  // it in place.
  virtual bool Close(bool /*recompress*/) { return false; }
  // Drops an unfinished movie; a file of the same name stays as it was.
  virtual void Abandon() {}
};

class FrameIndexPage {
 public:
  virtual ~FrameIndexPage() = default;
  // Starts a page for the pictures of base (folder and name base, UTF-8) over canvas.
  virtual void Init(const std::string& /*base*/, int /*openWhenDone*/, const tmb::Rect& /*canvas*/) {}
  // Appends a picture's file name.
  virtual void AddImageName(const std::string& /*name*/) {}
  // Puts a caption under the last picture appended.
  virtual void AddCaption(const std::string& /*caption*/) {}
  // Writes the page.
  virtual void Write() {}
};

AviMovieOutput& AviMovie();
void SetAviMovieOutput(AviMovieOutput* output);  // not owned; nullptr: none
FrameIndexPage& IndexPage();
void SetFrameIndexPage(FrameIndexPage* page);  // not owned; nullptr: none
