// The one-touch effect command of the image editor: the effect definition run on the
// selected area, or on many picture files at once, each result written beside its source
// under the source's title with the definition's suffix.
#pragma once

#include <string>
#include <vector>

class CBmpView;

// What a run over many files did, paths as given.
struct CBatchResult {
  std::vector<std::string> written;  // the outputs written
  std::vector<std::string> skipped;  // the sources not read or whose output was not written
  bool refused = false;              // the user would not let outputs replace chosen pictures
  bool cancelled = false;            // stopped by the user before the last file
};

// The output name of source with suffix (UTF-8) added to its title: "a.bmp" with "t" is
// "at.bmp".
std::string BatchOutputName(const std::string& source, const std::string& suffix);

// The one-touch dialog, then its action: the effect on the selected area (a beep and a
// message without one), or the choice of files and the run over them. The action run, or
// -1 when the dialog was cancelled or nothing ran.
int BatchOneTouchEffect(CBmpView& view);

// Runs view's definition on every picture of paths in order, each from the definition as
// it was at the start, with progress and a cancel between files; the editor's pictures
// are left alone. Asks first (default No) when an output would replace a chosen picture,
// the empty suffix included. Tells the user what was written and what was skipped.
CBatchResult RunBatchEffect(CBmpView& view, const std::vector<std::string>& paths);
