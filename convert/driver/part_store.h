// Where a conversion hands the parts of a handwritten character for recognising and
// storing in the text store. The store's part registration installs the real one; the
// default stores nothing.
#pragma once

class CharacterPartStore {
 public:
  virtual ~CharacterPartStore() = default;
  // Lists (mode 0) or recognises and stores (any other mode) the parts of the character
  // of window (0 = A, 1 = B) that the analysis overlay marks. Returns the number of parts.
  virtual int RegisterCharacterParts(int window, int mode) {
    (void)window;
    (void)mode;
    return 0;
  }
};

// The installed store; the one that stores nothing until another is set.
CharacterPartStore& CurrentPartStore();
// Installs store (not owned); nullptr restores the default.
void SetCharacterPartStore(CharacterPartStore* store);
