// The chain of the conversion: one ordered table of named stages that the pass manager
// and the driver run on the work path.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

class CStrokeWork;

// What the stages of one conversion share.
struct ConversionRun {
  explicit ConversionRun(CStrokeWork& path, CStrokeWork* copy = nullptr, int source = 0)
      : work(path), reference(copy), window(source) {}

  CStrokeWork& work;                  // the character, converted in place
  CStrokeWork* reference;             // the driver's copy from before the linking (driver stages)
  int window;                         // the drawing window of the source, 0 (A) or 1 (B)
  std::vector<int> unitStarts;        // per stroke: 1 where a written unit begins
  std::vector<uint8_t> savedFlags;    // the flags as the reference copy was taken
  // Per stroke of the work path (pass manager stages): the number of the source's stroke
  // it was written as, or -1; empty when the strokes are not the source's to tell.
  std::vector<int> strokeOrigins;
};

// Which entry runs a stage: the pass manager (analysis of the resampled copy) or the
// driver (linking, widths and the closing transform).
enum class ChainPart { kPassManager, kDriver };

struct ConversionStage {
  const char* name;
  ChainPart part;
  void (*run)(ConversionRun& run);
};

// The whole chain in the order it runs.
std::span<const ConversionStage> ConversionChain();
// Runs the stages of one part, in order.
void RunChainPart(ChainPart part, ConversionRun& run);
