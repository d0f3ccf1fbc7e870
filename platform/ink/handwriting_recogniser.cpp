#include "platform/ink/handwriting_recogniser.h"

#include <algorithm>

#if TMB_HAVE_ZINNIA
#include <zinnia.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <thread>

#include "platform/ink/zinnia_model_shards.h"
#endif

namespace tmb {

#if TMB_HAVE_ZINNIA

namespace {

// A model larger than any handwriting model is not read whole.
constexpr uintmax_t kMaxModelBytes = uintmax_t(512) << 20;
// Reading one character walks every character of the model; split over the machine's
// cores the walk of the 6,420-character Japanese model took 12 ms on one and under 3 ms
// on eight.
constexpr unsigned kMaxParts = 8;

struct Part {
  std::vector<char> bytes;  // the part's own model, which its recogniser reads from
  zinnia_recognizer_t* recogniser = zinnia_recognizer_new();
  Part() = default;
  Part(const Part&) = delete;
  Part& operator=(const Part&) = delete;
  ~Part() { zinnia_recognizer_destroy(recogniser); }
};

std::vector<char> ReadModelFile(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path file = std::filesystem::u8path(path);
  const uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec || size == 0 || size > kMaxModelBytes) return {};
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes(static_cast<size_t>(size));
  if (!in.read(bytes.data(), std::streamsize(size))) return {};
  return bytes;
}

std::vector<InkCandidate> ClassifyWith(zinnia_recognizer_t* recogniser, zinnia_character_t* character, size_t n) {
  std::vector<InkCandidate> found;
  if (zinnia_result_t* result = zinnia_recognizer_classify(recogniser, character, n)) {
    const size_t count = std::min(n, zinnia_result_size(result));
    for (size_t i = 0; i < count; ++i) found.push_back({zinnia_result_value(result, i), zinnia_result_score(result, i)});
    zinnia_result_destroy(result);
  }
  return found;
}

}  // namespace

struct HandwritingRecogniser::Model {
  std::vector<std::unique_ptr<Part>> parts;
};

bool HandwritingRecogniser::Open(const std::string& path, unsigned parts) {
  Close();
  auto model = std::make_unique<Model>();
  if (parts == 0) parts = std::thread::hardware_concurrency();
  parts = std::clamp(parts, 1u, kMaxParts);
  for (std::vector<char>& bytes : SplitZinniaModel(ReadModelFile(path), parts)) {
    auto part = std::make_unique<Part>();
    part->bytes = std::move(bytes);
    if (!part->recogniser ||
        zinnia_recognizer_open_from_ptr(part->recogniser, part->bytes.data(), part->bytes.size()) == 0) {
      model->parts.clear();
      break;
    }
    model->parts.push_back(std::move(part));
  }
  // A model of a layout the splitting does not know is read whole by the recogniser.
  if (model->parts.empty()) {
    auto whole = std::make_unique<Part>();
    if (!whole->recogniser || zinnia_recognizer_open(whole->recogniser, path.c_str()) == 0) return false;
    model->parts.push_back(std::move(whole));
  }
  // A file that opens but holds no character is no model.
  size_t characters = 0;
  for (const auto& part : model->parts) characters += zinnia_recognizer_size(part->recogniser);
  if (characters == 0) return false;
  model_ = std::move(model);
  return true;
}

std::vector<InkCandidate> HandwritingRecogniser::Classify(std::span<const std::vector<Point>> strokes, int width,
                                                          int height, size_t n) const {
  std::vector<InkCandidate> found;
  if (!model_ || width <= 0 || height <= 0 || n == 0) return found;
  zinnia_character_t* character = zinnia_character_new();
  if (!character) return found;
  zinnia_character_set_width(character, size_t(width));
  zinnia_character_set_height(character, size_t(height));
  // Empty strokes are skipped: the recogniser numbers strokes without gaps.
  size_t id = 0;
  for (const std::vector<Point>& stroke : strokes) {
    if (stroke.empty()) continue;
    for (const Point& p : stroke) zinnia_character_add(character, id, p.x, p.y);
    ++id;
  }
  if (id > 0) {
    // Each part reads the same character; the best of every part's best are the best.
    const auto& parts = model_->parts;
    std::vector<std::future<std::vector<InkCandidate>>> others;
    for (size_t i = 1; i < parts.size(); ++i) {
      others.push_back(std::async(std::launch::async, ClassifyWith, parts[i]->recogniser, character, n));
    }
    found = ClassifyWith(parts.front()->recogniser, character, n);
    for (auto& other : others) {
      std::vector<InkCandidate> more = other.get();
      found.insert(found.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const InkCandidate& a, const InkCandidate& b) { return a.score > b.score; });
    if (found.size() > n) found.resize(n);
  }
  zinnia_character_destroy(character);
  return found;
}

#else

struct HandwritingRecogniser::Model {};

bool HandwritingRecogniser::Open(const std::string&, unsigned) {
  Close();
  return false;
}

std::vector<InkCandidate> HandwritingRecogniser::Classify(std::span<const std::vector<Point>>, int, int,
                                                          size_t) const {
  return {};
}

#endif

HandwritingRecogniser::HandwritingRecogniser() = default;
HandwritingRecogniser::~HandwritingRecogniser() = default;

void HandwritingRecogniser::Close() { model_.reset(); }

bool HandwritingRecogniser::IsOpen() const { return model_ != nullptr; }

}  // namespace tmb
