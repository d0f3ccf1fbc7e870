// The file-choice settings of character data files with two character windows: which
// part of a file goes to which drawing window, settings only, the anchor corner of the
// points and which pictures are embedded. The file-choice dialog edits these values; the
// document's load and the block writer read them.
#pragma once

// File-choice modes: part 1 and part 2 of a file to windows A and B.
enum FileSelectMode {
  kSelectAtoA_BtoB = 0,
  kSelectAtoB_BtoA = 1,
  kSelectAtoA = 2,
  kSelectAtoB = 3,
  kSelectBtoB = 4,
  kSelectBtoA = 5,
};

struct FileSelectSettings {
  int m_nMode = kSelectAtoA_BtoB;
  int m_bSettingsOnly = 0;   // load only the settings of a file
  int m_nAnchor = 1;         // 0 top left, 1 top right: points keep their distance from it
  int m_bEmbedUsedOnly = 1;  // embed a background picture only while its switch is on

  // Back to the values above (tests start from here).
  void Reset() { *this = FileSelectSettings{}; }
};

extern FileSelectSettings gFileSelect;
