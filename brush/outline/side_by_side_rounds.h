// Rounds of an in-place walk run side by side: when step(i) writes only entry i, reading
// entry i - 1 as this round left it and entries i and i + 1 as the round before left them,
// a round may follow the one before at two entries' distance. Every entry then gets the
// same values as when the rounds follow each other, while the processor works on four
// rounds at once instead of waiting for each step of one.
#pragma once

#include <algorithm>

// Runs rounds rounds of step over the entries first to last.
template <class Step>
void RunRoundsSideBySide(int first, int last, int rounds, Step step) {
  constexpr int kSideBySide = 4;
  for (; rounds > 0; rounds -= kSideBySide) {
    const int group = std::min(rounds, kSideBySide);
    for (int i = first; i <= last + 2 * (group - 1); ++i) {
      for (int k = 0; k < group; ++k) {
        const int j = i - 2 * k;
        if (j >= first && j <= last) step(j);
      }
    }
  }
}
