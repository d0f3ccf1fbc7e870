#include "export/animation/frame_output.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/canvas/work_canvas.h"
#include "core/file/path_helpers.h"
#include "core/file/picture_bytes.h"
#include "core/file/stored_path.h"
#include "core/path/path_sequence.h"
#include "core/record/char_data.h"
#include "core/state/draw_state.h"
#include "core/state/animation_flags.h"
#include "export/animation/frame_movie_outputs.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/png_reader.h"
#include "export/swf/swf_animation_export.h"
#include "export/picture/picture_read_result.h"
#include "platform/file/safe_save.h"
#include "platform/service/messages.h"
#include "platform/service/shell_open.h"
#include "platform/text/code_page.h"

int gOutputsOn = 0;
int gAnimAborted = 0;
CFrameOutput gPlaybackOutput;
CFrameOutput gSaveOutput;

namespace {

// Flags of the outline points the SWF export reads: a new shape, a new picture.
constexpr uint8_t kFlagShapeStart = 2;
constexpr uint8_t kFlagPictureStart = 3;

constexpr int kMsgAviNotMade = 61590;
constexpr int kMsgNoFolder = 61591;
constexpr int kMsgMovieNotWritten = 61592;
constexpr int kMsgOpenFileError = 62047;

bool On(const ParamBlock& params, int index) { return params[size_t(index)] != 0; }

// The picture writer's format of the frame-picture setting (0 BMP, 1 PNG, 2 JPEG).
int FrameFormat(const ParamBlock& params) {
  switch (params[kAnimFrameFormat]) {
    case 0: return kFormatBmp;
    case 1: return kFormatPng;
    default: return kFormatJpeg;
  }
}

// The writer's formats number the picture types alike, so a format names its extension.
static_assert(int(kFormatBmp) == int(kPictureBmp) && int(kFormatJpeg) == int(kPictureJpeg) &&
              int(kFormatPng) == int(kPicturePng));

// Whether a file can be made in folder: the temporary file of a save is made there and
// dropped again, so that neither the permissions of the user nor a read-only disc is
// guessed.
bool FolderTakesFiles(const std::string& folder) {
  tmb::SafeSave probe(std::filesystem::u8path(JoinPath(folder.empty() ? "." : folder, ".tamberi_probe")));
  return bool(probe.Begin());
}

void TellMovieNotWritten(const std::string& path, const std::string& why) {
  tmb::ShowMessage(kMsgMovieNotWritten, tmb::kMsgOk, {path, why});
}

}  // namespace

CFrameOutput::~CFrameOutput() { Abandon(); }

bool CFrameOutput::AviOn(const ParamBlock& params) const { return !m_bNoFiles && On(params, kAnimAvi) && m_bAviOpen; }
bool CFrameOutput::MngOn(const ParamBlock& params) const {
  return !m_bNoFiles && On(params, kAnimMng) && m_mng.m_pFile != nullptr;
}
bool CFrameOutput::GifOn(const ParamBlock& params) const { return !m_bNoFiles && On(params, kAnimGif) && m_gif.IsOpen(); }
bool CFrameOutput::AnyMovieOn(const ParamBlock& params) const {
  return AviOn(params) || MngOn(params) || GifOn(params);
}
bool CFrameOutput::BackAndForth(const ParamBlock& params) const { return On(params, kAnimBackAndForth); }

void CFrameOutput::Abandon() {
  gFrameRecording = 0;
  m_pSwfMovie.reset();
  if (m_bAviOpen) AviMovie().Abandon();
  m_bAviOpen = 0;
  m_mng.m_pFile.reset();
  m_mng.m_bFailed = 0;
  m_mng.m_nFramesWritten = 0;
  AbandonGifFile(m_gif);
  m_tempFolder.Remove();
  m_pTempNames.clear();
}

int CFrameOutput::Begin(const CCharData& record, int frames) {
  Abandon();
  gAnimAborted = 0;
  gOutputsOn = 0;
  const ParamBlock& params = record.m_param;
  frames = std::clamp(frames, 1, kMaxAnimFrames);
  if (m_rcCanvas.IsEmpty()) m_rcCanvas = {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height};
  // A record that names no folder writes into the current folder the program started in.
  std::string folder = ResolveStoredPath(record.m_text[kTextFolder]);
  if (folder.empty()) folder = gDrawState.m_szCurFolderCrt;
  m_szBase = JoinPath(folder, tmb::SjisToUtf8Lossy(record.m_text[kTextAnimationName]));
  // Whatever is written goes into the folder: a missing one is refused before anything.
  const bool writes = On(params, kAnimFrameFiles) || On(params, kAnimHtml) ||
                      (!m_bNoFiles && (On(params, kAnimAvi) || On(params, kAnimMng) || On(params, kAnimGif))) ||
                      On(params, kAnimSwf);
  std::error_code ec;
  if (writes && !std::filesystem::is_directory(std::filesystem::u8path(folder.empty() ? "." : folder), ec)) {
    tmb::ShowMessage(kMsgNoFolder, tmb::kMsgOk, {folder});
    return -1;
  }
  // A folder that takes no files fails the run before its first frame, not at each one.
  if (writes && !FolderTakesFiles(folder)) {
    tmb::Beep();
    tmb::ShowMessage(kMsgOpenFileError);
    return -1;
  }
  for (size_t i = 0; i < m_frameWait.size(); ++i) {
    m_frameWait[i] = i < record.m_valueTable.size() ? record.m_valueTable[i] : params[kAnimWaitMiddle];
  }
  m_bHtml = params[kAnimHtml];
  if (m_bHtml) IndexPage().Init(m_szBase, params[kAnimOpenMng], m_rcCanvas);

  gOutputsOn = On(params, kAnimAvi) || On(params, kAnimMng) || On(params, kAnimGif) || On(params, kAnimSwf);
  if (!gOutputsOn) return 1;
  if (On(params, kAnimSwf)) {
    gPathSequence.Init(frames);
    gPathSequence.m_rcCanvas = m_rcCanvas;
    gPathSequence.m_bBackAndForth = params[kAnimBackAndForth];
    gFrameRecording = 1;
    m_szSwf = m_szBase + ".swf";
    m_szSvg = m_szBase + ".svg";
    if (!m_bNoFiles) BeginSwfMovie(params, frames);
  }
  if (m_bNoFiles) return 1;
  int result = 1;
  OpenMovies(params, frames, result);
  if (BackAndForth(params) && AnyMovieOn(params)) {
    if (tmb::Status s = m_tempFolder.Create("tamberi_frames_"); !s) {
      TellMovieNotWritten(m_szBase, s.message());
      result = -1;
    }
  }
  return result;
}

void CFrameOutput::OpenMovies(const ParamBlock& params, int frames, int& result) {
  const int width = m_rcCanvas.right, height = m_rcCanvas.bottom;
  const bool back = BackAndForth(params);
  if (On(params, kAnimAvi)) {
    m_nAviFrames = 0;
    m_bAviFailed = 0;
    m_szAvi = m_szBase + ".avi";
    const int length = back ? 2 * frames - 1 : frames;
    m_bAviOpen = AviMovie().Open(m_szAvi, width, height, length, params[kAnimAviWait]) ? 1 : 0;
    if (!m_bAviOpen) {
      tmb::ShowMessage(kMsgAviNotMade);
      result = -1;
    }
  }
  if (On(params, kAnimMng)) {
    m_szMng = m_szBase + ".mng";
    m_bMngTransparent = params[kAnimMngTransparent];
    m_mng.m_bTransparent = m_bMngTransparent;
    const int length = back ? 2 * frames - 2 : frames;
    if (OpenMngFile(m_mng, m_szMng, width, height, std::max(length, 1)) != 1) {
      TellMovieNotWritten(m_szMng, "the file cannot be made");
      result = -1;
    }
  }
  if (On(params, kAnimGif)) {
    m_szGif = m_szBase + ".gif";
    m_bGifTransparent = params[kAnimGifTransparent];
    if (tmb::Status s = OpenGifFile(m_gif, std::filesystem::u8path(m_szGif)); !s) {
      TellMovieNotWritten(m_szGif, s.message());
      result = -1;
    }
  }
}

int CFrameOutput::FrameWait(const ParamBlock& params, int frame, int frames) const {
  if (params[kAnimWaitMode] == 1) return m_frameWait[size_t(std::clamp(frame, 0, kMaxAnimFrames - 1))];
  if (frame == 0) return params[kAnimWaitFirst];
  if (frame == frames - 1) return params[kAnimWaitLast];
  return params[kAnimWaitMiddle];
}

void CFrameOutput::SetFrameDelay(const ParamBlock& params, int frame, int frames, int number) {
  const int wait = FrameWait(params, frame, frames);
  const auto paper = uint32_t(params[kAnimPaperColour]);
  if (On(params, kAnimMng)) {
    m_nMngWait = wait;
    m_mng.m_nWait = wait;
    if (m_bMngTransparent) m_nMngKeyColour = m_mng.m_nKeyColour = paper;
  }
  if (On(params, kAnimGif)) {
    m_nGifWait = wait;
    m_bGifFirst = number == 0 ? 1 : 0;
    if (m_bGifTransparent) m_nGifKeyColour = paper;
  }
}

bool CFrameOutput::AddToMovies(const ParamBlock& params, tmb::DeviceContext& dc, const tmb::Surface& picture,
                               bool mngAndGif) {
  bool ok = true;
  if (AviOn(params)) {
    ok = AviMovie().AddFrame(dc, picture, m_rcCanvas.right, m_rcCanvas.bottom);
    if (ok) {
      ++m_nAviFrames;
    } else {
      m_bAviFailed = 1;
    }
  }
  if (!mngAndGif || !(MngOn(params) || GifOn(params))) return ok;
  CPictureFrames frames;
  if (MngOn(params)) frames.mng = &m_mng;
  if (GifOn(params)) {
    frames.gif = &m_gif;
    frames.gifSetup = {m_nGifWait, m_bGifFirst, m_bGifTransparent, m_nGifKeyColour};
  }
  return SaveDCImageFile(&dc, &picture, 0, 0, m_rcCanvas.right, m_rcCanvas.bottom, std::string(), kFormatNone, 1,
                         frames) == 1 &&
         ok;
}

int CFrameOutput::SaveFrameImage(const ParamBlock& params, int frame, int frames, int number, int count,
                                 tmb::DeviceContext& dc, const tmb::Surface& bitmap) {
  const bool files = On(params, kAnimFrameFiles);
  if (!files && !AnyMovieOn(params)) return 0;
  m_szFrameFile = m_szBase;
  if (!m_bNoFiles) {
    char numbered[16];
    std::snprintf(numbered, sizeof numbered, "_%02d", number + 1);
    m_szFrameFile += numbered;
  }
  m_szFrameFile += PictureExtension(FrameFormat(params));
  SetFrameDelay(params, frame, frames, number);
  if (files) {
    if (SaveDCImageFile(&dc, &bitmap, 0, 0, m_rcCanvas.right, m_rcCanvas.bottom, m_szFrameFile,
                        FrameFormat(params), 1) != 1) {
      return -1;
    }
    // Only a picture that was written is listed on the page.
    if (m_bHtml) IndexPage().AddImageName(GetFileNameOfPath(m_szFrameFile));
  }
  if (!AddToMovies(params, dc, bitmap, true)) return -1;
  if (BackAndForth(params) && AnyMovieOn(params) && !KeepForWayBack(number, count, dc, bitmap)) return -1;
  return 1;
}

bool CFrameOutput::KeepForWayBack(int number, int count, tmb::DeviceContext& dc, const tmb::Surface& bitmap) {
  if (!m_tempFolder.IsMade() || number < 0 || number >= count) return true;
  if (m_pTempNames.size() < size_t(count)) m_pTempNames.resize(size_t(count));
  std::string& name = m_pTempNames[size_t(number)];
  name = (m_tempFolder.path() / ("frame_" + std::to_string(number) + ".png")).string();
  return SaveDCImageFile(&dc, &bitmap, 0, 0, m_rcCanvas.right, m_rcCanvas.bottom, name, kFormatPng, 1) == 1;
}

int CFrameOutput::PlayWayBack(const ParamBlock& params, tmb::DeviceContext& dc, int frames, int count) {
  tmb::Surface picture;
  if (!picture.Create(m_rcCanvas.right, m_rcCanvas.bottom, dc.CompatibleFormat())) return 0;
  for (int k = 2; k <= count; ++k) {
    const int index = count - k;
    if (size_t(index) >= m_pTempNames.size() || m_pTempNames[size_t(index)].empty()) continue;
    tmb::Size size;
    if (ReadPngFile(&dc, m_pTempNames[size_t(index)], &size, &picture) != kPictureRead) continue;
    SetFrameDelay(params, index, frames, k);
    // The last frame of the way back is the first one again: a looping movie shows it once.
    if (!AddToMovies(params, dc, picture, k < count)) return 0;
  }
  return 1;
}

void CFrameOutput::DropMoviesOfNoUse() {
  if (m_bAviOpen && (m_bAviFailed || m_nAviFrames == 0)) {
    AviMovie().Abandon();
    m_bAviOpen = 0;
  }
  if (m_mng.m_pFile && (m_mng.m_bFailed || m_mng.m_nFramesWritten == 0)) m_mng.m_pFile.reset();
  if (m_gif.IsOpen() && (m_gif.IsBroken() || m_gif.ImageCount() == 0)) AbandonGifFile(m_gif);
}

int CFrameOutput::CloseMovies(const ParamBlock& params) {
  int result = 1;
  if (m_bAviOpen) {
    if (!AviMovie().Close(On(params, kAnimAviRecompress))) {
      TellMovieNotWritten(m_szAvi, "the movie could not be finished");
      result = 0;
    }
    m_bAviOpen = 0;
  }
  if (m_mng.m_pFile && CloseMngFile(m_mng) != 1) {
    TellMovieNotWritten(m_szMng, "a frame could not be written");
    result = 0;
  }
  if (m_gif.IsOpen()) {
    if (tmb::Status s = CloseGifFile(m_gif); !s) {
      TellMovieNotWritten(m_szGif, s.message());
      result = 0;
    }
  }
  return result;
}

int CFrameOutput::End(const ParamBlock& params, tmb::DeviceContext& dc, int frames, int count) {
  gFrameRecording = 0;
  if (m_bNoFiles) return 1;
  // The page lists the pictures written, also those of a stopped run.
  if (m_bHtml) IndexPage().Write();
  int result = 1;
  if (gAnimAborted) {
    // A stopped run goes no way back: its movies end with the frames written so far.
    DropMoviesOfNoUse();
    if (m_pSwfMovie) m_pSwfMovie->m_bBackAndForth = 0;
  } else if (BackAndForth(params) && AnyMovieOn(params) && m_tempFolder.IsMade()) {
    if (!PlayWayBack(params, dc, frames, count)) {
      Abandon();
      TellMovieNotWritten(m_szBase, "the frames of the way back could not be added");
      return 0;
    }
  }
  m_tempFolder.Remove();
  m_pTempNames.clear();
  if (!CloseMovies(params)) result = 0;
  if (On(params, kAnimSwf) && !WriteSwfMovie(params, frames)) result = 0;
  return result;
}

void CFrameOutput::BeginSwfMovie(const ParamBlock& params, int frames) {
  m_bSwfFullTold = 0;
  m_pSwfMovie = std::make_unique<CPathSequence>();
  m_pSwfMovie->Init(frames);
  m_pSwfMovie->m_rcCanvas = m_rcCanvas;
  m_pSwfMovie->m_bBackAndForth = params[kAnimBackAndForth];
}

void CFrameOutput::AddSwfPicture(tmb::Colour colour, const ParamBlock& params) {
  // The drawing leaves only the frame just drawn in the path sequence: the run keeps the
  // outline of every frame, each opening a picture of its own.
  const CStrokePath* drawn = gPathSequence.m_pPath;
  if (!m_pSwfMovie || !m_pSwfMovie->m_pPath || !drawn || drawn->GetCount() == 0) return;
  CStrokePath& path = *m_pSwfMovie->m_pPath;
  const int first = path.GetCount();
  if (first + drawn->GetCount() > path.GetCapacity()) {
    if (!m_bSwfFullTold) TellMovieNotWritten(m_szSwf, "the outlines of the frames do not fit into it");
    m_bSwfFullTold = 1;
    return;
  }
  for (int i = 0; i < drawn->GetCount(); ++i) {
    path.AppendPointFrom(*drawn, i);
    if (path.m_pFlags[first + i] == kFlagPictureStart) path.m_pFlags[first + i] = kFlagShapeStart;
  }
  path.m_pFlags[first] = kFlagPictureStart;
  m_pSwfMovie->AddFrame(colour, params);
}

bool CFrameOutput::WriteSwfMovie(const ParamBlock& params, int frames) {
  if (!m_pSwfMovie) return true;
  std::unique_ptr<CPathSequence> movie = std::move(m_pSwfMovie);
  const int pictures = movie->m_nFrameCounter;
  if (pictures == 0) return true;
  // Each picture lasts the wait its frame has in the other movies.
  std::vector<int32_t> waits(static_cast<size_t>(pictures));
  for (int i = 0; i < pictures; ++i) waits[size_t(i)] = FrameWait(params, i, frames);
  if (tmb::Status s = ExportSwfAnimation(*movie, std::filesystem::u8path(m_szSwf), waits, params); !s) {
    TellMovieNotWritten(m_szSwf, s.message());
    return false;
  }
  return true;
}

int CFrameOutput::OpenResults(const ParamBlock& params) {
  if (m_bNoFiles || !gOutputsOn || gAnimAborted) return 1;
  auto open = [](const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::u8path(path), ec)) tmb::ShellOpen().Open(path);
  };
  if (On(params, kAnimGif) && On(params, kAnimOpenGif)) open(m_szGif);
  if (On(params, kAnimMng) && On(params, kAnimOpenMng)) open(m_szMng);
  if (On(params, kAnimSwf) && On(params, kAnimOpenSwf)) open(m_szSwf);
  return 1;
}
