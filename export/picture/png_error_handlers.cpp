#include "export/picture/png_error_handlers.h"

void PngJumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void PngIgnoreWarning(png_structp, png_const_charp) {}
