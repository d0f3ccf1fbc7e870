#include "export/animation/frame_movie_outputs.h"

namespace {

AviMovieOutput gNoAvi;
AviMovieOutput* gAvi = &gNoAvi;
FrameIndexPage gNoPage;
FrameIndexPage* gPage = &gNoPage;

}  // namespace

AviMovieOutput& AviMovie() { return *gAvi; }
void SetAviMovieOutput(AviMovieOutput* output) { gAvi = output ? output : &gNoAvi; }
FrameIndexPage& IndexPage() { return *gPage; }
void SetFrameIndexPage(FrameIndexPage* page) { gPage = page ? page : &gNoPage; }
