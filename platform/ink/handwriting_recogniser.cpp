#include "platform/ink/handwriting_recogniser.h"

#include <algorithm>

#if TMB_HAVE_ZINNIA
#include <zinnia.h>
#endif

namespace tmb {

#if TMB_HAVE_ZINNIA

struct HandwritingRecogniser::Model {
  zinnia_recognizer_t* recogniser = zinnia_recognizer_new();
  ~Model() { zinnia_recognizer_destroy(recogniser); }
};

bool HandwritingRecogniser::Open(const std::string& path) {
  Close();
  auto model = std::make_unique<Model>();
  if (!model->recogniser || zinnia_recognizer_open(model->recogniser, path.c_str()) == 0) return false;
  // A file that opens but holds no character is no model.
  if (zinnia_recognizer_size(model->recogniser) == 0) return false;
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
    if (zinnia_result_t* result = zinnia_recognizer_classify(model_->recogniser, character, n)) {
      const size_t count = std::min(n, zinnia_result_size(result));
      for (size_t i = 0; i < count; ++i) {
        found.push_back({zinnia_result_value(result, i), zinnia_result_score(result, i)});
      }
      zinnia_result_destroy(result);
    }
  }
  zinnia_character_destroy(character);
  return found;
}

#else

struct HandwritingRecogniser::Model {};

bool HandwritingRecogniser::Open(const std::string&) {
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
