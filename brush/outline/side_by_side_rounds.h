// Rounds of an in-place walk run side by side: when step(i) writes only entry i, reading
// entry i - 1 as this round left it and entries i and i + 1 as the round before left them,
// round k may work on entry i at the same time t = i + 2k as every other round on its
// own entry. The entries of one time are all of one parity and read only entries of the
// other, which the time before wrote: they do not wait for each other. Every entry gets
// the same values as when the rounds follow each other, while the processor works on all
// the rounds at once instead of waiting for each step of one.
#pragma once

// Runs rounds rounds over the entries first to last (first >= 0), handing the entries of
// each time to run(parity, low, high): the entries 2m + parity for m from low to high.
// Kept in two arrays by parity, each time's entries lie side by side in one of them.
template <class Run>
void RunRoundsByHalves(int first, int last, int rounds, Run run) {
  if (rounds <= 0 || last < first) return;
  const int lastTime = last + 2 * (rounds - 1);
  for (int t = first; t <= lastTime; ++t) {
    // The entries of time t: t, t - 2, ... down to the last round's, within first..last.
    int high = t;
    if (high > last) high = last - ((high - last) & 1);
    int low = t - 2 * (rounds - 1);
    if (low < first) low = first + ((first - low) & 1);
    const int parity = t & 1;
    run(parity, (low - parity) / 2, (high - parity) / 2);
  }
}

// Runs rounds rounds of step over the entries first to last (first >= 0).
template <class Step>
void RunRoundsSideBySide(int first, int last, int rounds, Step step) {
  RunRoundsByHalves(first, last, rounds, [step](int parity, int low, int high) {
    for (int m = low; m <= high; ++m) step(2 * m + parity);
  });
}
