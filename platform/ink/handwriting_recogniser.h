// The handwriting recogniser: an online (stroke-order) recogniser over Zinnia that reads
// one character from its strokes, written in order in a box, with a model file chosen at
// run time. A build without Zinnia, or a model that cannot be read, recognises nothing.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/geometry.h"

namespace tmb {

// One reading of a character: its text (UTF-8) and how well the strokes fit it (higher
// is better; the scale is the model's).
struct InkCandidate {
  std::string text;
  float score = 0;
};

class HandwritingRecogniser {
 public:
  HandwritingRecogniser();
  ~HandwritingRecogniser();
  HandwritingRecogniser(const HandwritingRecogniser&) = delete;
  HandwritingRecogniser& operator=(const HandwritingRecogniser&) = delete;

  // Opens the model file at path (UTF-8), closing any open one first: true when it was read.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const;

  // The best readings of the character of strokes (points in writing order, inside a box
  // of width x height from the origin), best first, at most n. None when no model is
  // open, the box is empty or no stroke has a point.
  std::vector<InkCandidate> Classify(std::span<const std::vector<Point>> strokes, int width, int height,
                                     size_t n) const;

 private:
  struct Model;
  std::unique_ptr<Model> model_;
};

}  // namespace tmb
