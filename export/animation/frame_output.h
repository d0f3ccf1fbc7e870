// The output of an animation run: the numbered frame pictures, the AVI, MNG and animated
// GIF movies (played forwards and, with back-and-forth, backwards again), the index page
// and the viewers opened at the end. A run is Begin, SaveFrameImage per frame, End, then
// OpenResults, on one object.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/path/path_sequence.h"
#include "core/record/param_block.h"
#include "export/animation/animation_params.h"
#include "export/gif/gif_file_writer.h"
#include "export/picture/mng_writer.h"
#include "platform/file/temp_folder.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

class CCharData;

class CFrameOutput {
 public:
  CFrameOutput() = default;
  ~CFrameOutput();
  CFrameOutput(const CFrameOutput&) = delete;
  CFrameOutput& operator=(const CFrameOutput&) = delete;

  // Prepares a run of frames frames from record's settings, file-name base, save folder
  // and per-frame waits: the index page, the path sequence (SWF on) and the movies. A run
  // still open is abandoned first. Returns 1; -1 when the folder does not exist or takes
  // no files (told; nothing is opened then) or when a movie cannot be made (that movie is
  // switched off, the others are opened).
  int Begin(const CCharData& record, int frames);
  // Writes frame number (of count numbers the run writes) as a frame picture and adds it
  // to the open movies; with back-and-forth it is also kept for the way back. Returns 0
  // when nothing is to be written, 1 when written, -1 when a write failed (told).
  int SaveFrameImage(const ParamBlock& params, int frame, int frames, int number, int count, tmb::DeviceContext& dc,
                     const tmb::Surface& bitmap);
  // The wait and transparency of this frame for the movies.
  void SetFrameDelay(const ParamBlock& params, int frame, int frames, int number);
  // The wait (1/100 s) of frame of frames: its own in the individual-wait mode, else the
  // first, middle or last wait.
  int FrameWait(const ParamBlock& params, int frame, int frames) const;
  // Finishes the run of count numbers: the index page, the way back of a back-and-forth,
  // the movies put in place and the SWF movie of the collected outlines written. After an
  // abort there is no way back and the movies hold the frames written before it; one that
  // holds none, or whose write failed (told then), is dropped and a file of its name stays
  // as it was. Returns 1; 0 when a movie could not be finished (told).
  int End(const ParamBlock& params, tmb::DeviceContext& dc, int frames, int count);
  // Opens the GIF, MNG and SWF files the settings ask to see, after a whole run. Returns 1.
  int OpenResults(const ParamBlock& params);
  // Drops whatever the run holds open; no file of the run's names changes.
  void Abandon();
  // With SWF on: the outline the frame just drawn left in the path sequence becomes the
  // next picture of the run's SWF movie, in colour with params' colours.
  void AddSwfPicture(tmb::Colour colour, const ParamBlock& params);

  // Frame pictures get no number and no movie is written (set by the caller).
  int m_bNoFiles = 0;
  // The area written: width right, height bottom; Begin makes an empty one the paper.
  tmb::Rect m_rcCanvas{};
  std::string m_szBase;  // folder and file-name base, UTF-8
  std::string m_szFrameFile;
  std::string m_szAvi, m_szMng, m_szGif, m_szSwf, m_szSvg;
  // Per-frame waits (1/100 s) of the individual-wait mode: the record's table at Begin,
  // the middle wait beyond it.
  std::array<int, kMaxAnimFrames> m_frameWait{};
  int m_nAviFrames = 0;
  int m_bHtml = 0;
  CMngWriter m_mng;
  int m_nMngWait = 0;
  int m_bMngTransparent = 0;
  uint32_t m_nMngKeyColour = 0;
  CGifFile m_gif;
  int m_nGifWait = 0;
  int m_bGifFirst = 0;
  int m_bGifTransparent = 0;
  uint32_t m_nGifKeyColour = 0;

 private:
  // Which movies this run writes: switched on, not m_bNoFiles, and opened.
  bool AviOn(const ParamBlock& params) const;
  bool MngOn(const ParamBlock& params) const;
  bool GifOn(const ParamBlock& params) const;
  bool AnyMovieOn(const ParamBlock& params) const;
  bool BackAndForth(const ParamBlock& params) const;
  // Adds the picture to the movies that are on; mngAndGif 0 gives it to the AVI alone.
  bool AddToMovies(const ParamBlock& params, tmb::DeviceContext& dc, const tmb::Surface& picture, bool mngAndGif);
  bool KeepForWayBack(int number, int count, tmb::DeviceContext& dc, const tmb::Surface& bitmap);
  int PlayWayBack(const ParamBlock& params, tmb::DeviceContext& dc, int frames, int count);
  // Drops the movies a stopped run cannot finish: empty ones and those whose write failed.
  void DropMoviesOfNoUse();
  int CloseMovies(const ParamBlock& params);
  void BeginSwfMovie(const ParamBlock& params, int frames);
  // The SWF movie of the outlines the run collected (SWF on); false when it could not be
  // written (told; an earlier file of its name stays).
  bool WriteSwfMovie(const ParamBlock& params, int frames);
  void OpenMovies(const ParamBlock& params, int frames, int& result);

  int m_bAviOpen = 0;
  int m_bAviFailed = 0;  // a frame was refused (told)
  // The frames kept for the way back, by number, in a folder of the run's own.
  tmb::TempFolder m_tempFolder;
  std::vector<std::string> m_pTempNames;
  // The pictures of the SWF movie, one per frame drawn.
  std::unique_ptr<CPathSequence> m_pSwfMovie;
  int m_bSwfFullTold = 0;
};

// Any movie output is on (set by Begin); a user abort of a frame step (cleared by Begin).
extern int gOutputsOn;
extern int gAnimAborted;
// The output of the frame stepping and the output of the picture series of the presets.
extern CFrameOutput gPlaybackOutput;
extern CFrameOutput gSaveOutput;
