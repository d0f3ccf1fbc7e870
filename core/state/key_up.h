// The last key released in the image and settings views, kept for whoever asks next.
#pragma once

// Stores the character code, repeat count and flags of a key-up in the drawing state.
void RecordKeyUp(int character, int repeat, int flags);
