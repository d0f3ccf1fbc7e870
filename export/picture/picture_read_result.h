// What the picture readers (GIF, JPEG, PNG) tell their callers. A reader draws into its
// target only when it returns kPictureRead; every other result leaves the target as it
// was, so the caller can show one message and keep the picture it had.
#pragma once

enum PictureReadResult {
  kPictureRead = 1,
  // The file cannot be opened (missing, unreadable); no message of the reader's own.
  kPictureNotOpened = 0,
  // Not a picture of the reader's format, or damaged: truncated, a side of 0, counts
  // that run past the data.
  kPictureDamaged = -1,
  // A GIF frame whose image descriptor or colour table is cut short or has a side of 0.
  kPictureBadFrame = -2,
  // A side above the largest bitmap, or more memory than the bitmap budget has left.
  kPictureTooLarge = -3,
};
