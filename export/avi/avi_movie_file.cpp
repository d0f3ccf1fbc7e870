#include "export/avi/avi_movie_file.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/state/mouse_messages.h"
#include "export/avi/avi_codec_chooser.h"
#include "platform/file/safe_save.h"
#include "platform/media/avi_recompress.h"
#include "platform/media/avi_writer.h"
#include "platform/service/messages.h"
#include "platform/service/progress.h"

namespace {

constexpr int kMsgNotRecompressed = 61593;
constexpr int kAviWaitRate = 100;  // waits are in 1/100 s

struct OpenMovie {
  explicit OpenMovie(const std::string& path) : save(std::filesystem::u8path(path)) {}
  tmb::SafeSave save;
  std::unique_ptr<tmb::AviWriter> writer;
  bool failed = false;
};

std::unique_ptr<OpenMovie> gMovie;
std::string gError;
AviCodecChoice gLastChoice;

int Fail(const tmb::Status& s, int result) {
  gError = s.message();
  return result;
}

}  // namespace

const std::string& AviError() { return gError; }

int OpenAviFile(const std::string& path, int width, int height, int /*frames*/, int wait) {
  gError.clear();
  if (gMovie) return Fail(tmb::Status::Fail("another movie is being written"), 0);
  auto movie = std::make_unique<OpenMovie>(path);
  if (tmb::Status s = movie->save.Begin(); !s) return Fail(s, 0);
  tmb::AviFormat format;
  format.width = width;
  format.height = height;
  format.scale = uint32_t(std::max(wait, 1));
  format.rate = kAviWaitRate;
  movie->writer = std::make_unique<tmb::AviWriter>(movie->save.file());
  if (tmb::Status s = movie->writer->Start(format); !s) return Fail(s, 0);
  gMovie = std::move(movie);
  return 1;
}

int WriteAviFrame(const tmb::DibHeader& header, const uint8_t* bits, size_t size) {
  if (!gMovie || gMovie->failed) return Fail(tmb::Status::Fail("no movie is open"), -2);
  const tmb::AviFormat& format = gMovie->writer->format();
  const size_t bytes = tmb::AviFrameBytes(format.width, format.height);
  if (header.width != format.width || header.height != format.height || header.bitCount != 24 ||
      header.compression != tmb::kDibUncompressed || bits == nullptr || size < bytes) {
    return Fail(tmb::Status::Fail("the frame does not match the movie"), -1);
  }
  if (tmb::Status s = gMovie->writer->AddFrame(bits, ptrdiff_t(tmb::AviFrameBytes(format.width, 1))); !s) {
    gMovie->failed = true;
    return Fail(s, -2);
  }
  return 1;
}

int CloseAviFile() {
  if (!gMovie) return Fail(tmb::Status::Fail("no movie is open"), 0);
  std::unique_ptr<OpenMovie> movie = std::move(gMovie);
  if (movie->failed) return Fail(tmb::Status::Fail("a frame could not be written"), 0);
  if (tmb::Status s = movie->writer->Finish(); !s) return Fail(s, 0);
  if (tmb::Status s = movie->save.Commit(); !s) return Fail(s, 0);
  return 1;
}

void AbandonAviFile() { gMovie.reset(); }

int ChooseAviCodec() {
  if (!gMovie) return 0;
  AviCodecChoice choice = gLastChoice;
  if (!AviCodecs().Choose(choice)) return 0;
  gLastChoice = choice;
  return 1;
}

int RecompressAvi(const std::string& newPath, const std::string& oldPath) {
  AviCodecChoice choice = gLastChoice;
  if (!AviCodecs().Choose(choice)) return 0;
  gLastChoice = choice;
  bool cancelled = false;
  tmb::Progress().SetPos(0);
  const tmb::Status s = tmb::RecompressAviFile(
      std::filesystem::u8path(oldPath), std::filesystem::u8path(newPath), choice.codec, choice.quality,
      [](int done, int total) {
        tmb::Progress().SetPos(total > 0 ? done * 100 / total : 100);
        return CheckUserAbort() == 0;
      },
      cancelled);
  tmb::Progress().SetPos(0);
  if (s) return 1;
  gError = s.message();
  if (!cancelled) tmb::ShowMessage(kMsgNotRecompressed, tmb::kMsgOk, {newPath, s.message()});
  return 0;
}
