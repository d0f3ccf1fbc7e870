// Real characters for the tests that pin what the engines make of them: the recorded
// character, 林 (two trees), and characters made up from a seed, among them one that
// reaches past the paper. Header-only, like the characters it draws from.
#pragma once

#include "tests/support/generated_character.h"
#include "tests/support/recorded_character.h"

namespace tmb::test {

enum class SampleCharacter { kRecorded, kTrees, kScattered, kOffThePaper, kEightCopies };

// Appends the strokes of the character to rec.
inline void AppendSampleCharacter(CCharData& rec, SampleCharacter which) {
  switch (which) {
    case SampleCharacter::kRecorded:
      AppendRecordedCharacter(rec);
      break;
    case SampleCharacter::kTrees:
      AppendRecordedTrees(rec);
      break;
    case SampleCharacter::kScattered:
      AppendGeneratedCharacter(rec, 5, 12, 60);
      break;
    case SampleCharacter::kOffThePaper:  // past the left and top edges of the paper
      AppendGeneratedCharacter(rec, 11, 30, 40, -60, -40);
      break;
    case SampleCharacter::kEightCopies:  // 16,000 points
      AppendRecordedCharacter(rec, 8);
      break;
  }
}

}  // namespace tmb::test
