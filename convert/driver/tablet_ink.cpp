#include "convert/driver/tablet_ink.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <utility>

#include "core/document/doc_windows.h"
#include "core/file/path_helpers.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "platform/service/wait_cursor.h"
#include "platform/text/code_page.h"

std::array<CTabletInk, 2> gInkSamples;
int gInkAvailable = 0;
int gInkActive = 0;
tmb::Colour gInkPenColour = 0;
std::array<int, 2> gInkModes{kInkMerge, kInkMerge};

namespace {

constexpr char kModelName[] = "handwriting-ja.model";
constexpr char kPackageModel[] = "/usr/share/tegaki/models/zinnia/handwriting-ja.model";
// Readings asked of the recogniser: enough to pass over those code page 932 lacks.
constexpr size_t kCandidates = 10;

CTabletInk gNoInk;
std::array<CTabletInk*, 2> gInks{&gInkSamples[0], &gInkSamples[1]};
std::vector<std::string> gModelPlaces;

// The one recogniser of both windows, its model read at the first attach that finds one.
struct SharedRecogniser {
  tmb::HandwritingRecogniser recogniser;
  bool looked = false;
  bool found = false;  // a model file was there, read or not
};

SharedRecogniser& Shared() {
  static SharedRecogniser shared;
  return shared;
}

void LookForModel(SharedRecogniser& shared) {
  if (shared.looked) return;
  shared.looked = true;
  for (const std::string& place : HandwritingModelPlaces()) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::u8path(place), ec)) continue;
    shared.found = true;
    if (shared.recogniser.Open(place)) return;
  }
}

const CCharData* RecordOfWindow(int index) { return DrawnRecordOfKind(index == 1 ? kKindDrawB : kKindDrawA); }

// The square a character is read in: around the strokes' box, a margin of an eighth of
// its side on every side, as characters stand in a writing box; the strokes are moved
// into it. Its side; 0 when there are no points.
int FitIntoReadingBox(std::vector<std::vector<tmb::Point>>& strokes) {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (const auto& stroke : strokes) {
    for (const tmb::Point& p : stroke) {
      left = std::min(left, p.x);
      top = std::min(top, p.y);
      right = std::max(right, p.x);
      bottom = std::max(bottom, p.y);
    }
  }
  if (left > right) return 0;
  const int64_t width = int64_t{right} - left, height = int64_t{bottom} - top;
  const int64_t side = std::max<int64_t>({width, height, 1}) * 5 / 4 + 1;
  const int64_t dx = (side - width) / 2 - left, dy = (side - height) / 2 - top;
  for (auto& stroke : strokes) {
    for (tmb::Point& p : stroke) p = {int(p.x + dx), int(p.y + dy)};
  }
  return int(std::min<int64_t>(side, INT_MAX));
}

// Reads strokes (points in writing order) as one character with the windows' recogniser:
// its top reading that code page 932 can hold; "" when none can or there are no points.
std::string ReadHandwriting(std::vector<std::vector<tmb::Point>> strokes) {
  const tmb::HandwritingRecogniser& recogniser = Shared().recogniser;
  const int side = FitIntoReadingBox(strokes);
  if (side == 0 || !recogniser.IsOpen()) return {};
  tmb::WaitCursor wait;
  for (const tmb::InkCandidate& c : recogniser.Classify(strokes, side, side, kCandidates)) {
    if (std::optional<std::string> sjis = tmb::Utf8ToSjis(c.text); sjis && !sjis->empty()) return *sjis;
  }
  return {};
}

}  // namespace

std::vector<std::string> HandwritingModelPlaces() {
  if (!gModelPlaces.empty()) return gModelPlaces;
  std::vector<std::string> places{kPackageModel};
  if (!gDrawState.m_szCurFolder.empty()) places.push_back(JoinPath(gDrawState.m_szCurFolder, kModelName));
  return places;
}

void SetHandwritingModelPlaces(std::vector<std::string> places) {
  gModelPlaces = std::move(places);
  SharedRecogniser& shared = Shared();
  shared.recogniser.Close();
  shared.looked = false;
  shared.found = false;
}

int CTabletInk::Attach(CTmbView* view, int index) {
  if (m_bInitialised) return 0;
  SharedRecogniser& shared = Shared();
  LookForModel(shared);
  gInkAvailable = shared.found ? 1 : 0;
  // No model anywhere: as on a machine without a recogniser, nothing is set up.
  if (!shared.found) return 0;
  m_pView = view;
  m_nIndex = index == 1 ? 1 : 0;
  m_nInkStart = -1;
  // A model that cannot be read leaves the ink attached but not active: the window works
  // with the mouse and the tablet only, and says nothing.
  m_bActive = shared.recogniser.IsOpen() ? 1 : 0;
  gInkActive = m_bActive;
  SetInkDrawingAttributes(1, gInkPenColour, -1);
  m_bInitialised = 1;
  return 0;
}

void CTabletInk::Detach() {
  if (!m_bInitialised) return;
  m_pView = nullptr;
  m_bInitialised = 0;
  m_bActive = 0;
  m_nInkStart = -1;
  gInkActive = gInkSamples[0].m_bActive || gInkSamples[1].m_bActive ? 1 : 0;
}

void CTabletInk::CollectStrokeFrom(int first) {
  if (m_bActive && first >= 0 && InkPointCount() == 0) m_nInkStart = first;
}

int CTabletInk::InkStartIn(const CCharData& rec) const {
  const int n = std::clamp(rec.GetPointCount(), 0, kMaxCharPoints);
  if (m_nInkStart < 0) return n;
  int i = m_nInkStart;
  while (i < n && i != 0 && rec.m_pFlags[i] != CStrokePath::kFlagStart) ++i;
  return std::min(i, n);
}

int CTabletInk::InkPointCount() const {
  const CCharData* rec = m_bActive ? RecordOfWindow(m_nIndex) : nullptr;
  return rec ? std::clamp(rec->GetPointCount(), 0, kMaxCharPoints) - InkStartIn(*rec) : 0;
}

int CTabletInk::FirstInkStroke() const {
  const CCharData* rec = RecordOfWindow(m_nIndex);
  if (!rec) return 0;
  const int start = m_bActive ? InkStartIn(*rec) : std::clamp(rec->GetPointCount(), 0, kMaxCharPoints);
  int strokes = 0;
  for (int i = 0; i < start; ++i) strokes += i == 0 || rec->m_pFlags[i] == CStrokePath::kFlagStart;
  return strokes;
}

std::vector<std::vector<tmb::Point>> CTabletInk::Strokes() const {
  std::vector<std::vector<tmb::Point>> strokes;
  const CCharData* rec = m_bActive ? RecordOfWindow(m_nIndex) : nullptr;
  if (!rec) return strokes;
  const int n = std::clamp(rec->GetPointCount(), 0, kMaxCharPoints);
  for (int i = InkStartIn(*rec); i < n; ++i) {
    if (strokes.empty() || rec->m_pFlags[i] == CStrokePath::kFlagStart) strokes.emplace_back();
    strokes.back().push_back(rec->m_pPoints[i]);
  }
  return strokes;
}

void CTabletInk::OffsetInk(CFPoint offset, int store) {
  if (!m_bActive) return;
  if (store >= 0) m_ptScroll = offset.RoundToPoint();
  m_nMovedStrokes = int(Strokes().size());
}

void CTabletInk::CopyInkToStrokes(CStrokeWork& path) {
  path.SetCount(0);
  const CCharData* rec = m_bActive ? RecordOfWindow(m_nIndex) : nullptr;
  if (!rec) return;
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  const int n = std::clamp(rec->GetPointCount(), 0, kMaxCharPoints);
  const int first = InkStartIn(*rec);
  for (int i = first; i < n; ++i) {
    const tmb::Point p = rec->m_pPoints[i];
    const int start = i == first || rec->m_pFlags[i] == CStrokePath::kFlagStart ? 1 : 0;
    if (!path.AddSample(p.x + o.x, p.y + o.y, rec->m_pPressure[i], start)) return;
  }
}

int CTabletInk::ClearInk() {
  m_nInkStart = -1;
  m_nMovedStrokes = 0;
  return 1;
}

int CTabletInk::RecognizeText(int first, int end, std::string& text) {
  text.clear();
  if (!m_bActive) return 0;
  std::vector<std::vector<tmb::Point>> strokes = Strokes();
  if (first < 0 || first > end || end > int(strokes.size())) return 0;
  strokes.erase(strokes.begin() + end, strokes.end());
  strokes.erase(strokes.begin(), strokes.begin() + first);
  text = ReadHandwriting(std::move(strokes));
  return 1;
}

void CTabletInk::SetPenAttributes(int width, tmb::Colour colour) {
  if (width >= 0) SetInkDrawingAttributes(width, colour, -1);
}

void CTabletInk::SetInkDrawingAttributes(int width, tmb::Colour colour, int transparency) {
  m_attributes.width = width;
  m_attributes.colour = colour;
  if (transparency >= 0) m_attributes.transparency = transparency;
}

void CTabletInk::ShowRecognition() {
  std::string text;
  const bool read = RecognizeText(0, int(Strokes().size()), text) == 1;
  tmb::Messages().Show(0, "Recognition Results\n" + (read ? tmb::SjisToUtf8Lossy(text) : "No Tablet or Recgnaizer"),
                       tmb::kMsgOk);
}

void CTabletInk::MakeFixedStroke(CStrokePath& path) {
  path.SetCount(0);
  path.AppendPoint(20, 100, CStrokePath::kFlagStart);
  path.AppendPoint(1300, 2100, CStrokePath::kFlagContinue);
}

std::vector<tmb::InkCandidate> CTabletInk::MakeFixedRecognition() {
  static constexpr const char* kWords[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  std::vector<tmb::InkCandidate> reading;
  float score = 1.0f;
  for (const char* word : kWords) {
    reading.push_back({word, score});
    score -= 0.1f;
  }
  return reading;
}

CTabletInk& TabletInkOf(int window) {
  if (window < 0 || window >= static_cast<int>(gInks.size())) return gNoInk;
  return *gInks[window];
}

void SetTabletInk(int window, CTabletInk* ink) {
  if (window < 0 || window >= static_cast<int>(gInks.size())) return;
  gInks[window] = ink ? ink : &gInkSamples[size_t(window)];
}
