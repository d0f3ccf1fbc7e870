// Builders of the text the HTML and SVG writers produce: line ends, indentation, numbers
// and CSS colours, appended to a growing string. Numbers never depend on the locale.
#pragma once

#include <string>

#include "platform/gdi/geometry.h"

// CR LF.
void AppendCrLf(std::string& text);
// n spaces; a negative n appends CR LF instead.
void AppendIndent(std::string& text, int n);
// value with 0 to 3 decimals (any other count: 6), rounded, a point as the decimal mark;
// a value that rounds to zero has no minus sign.
void AppendFloat(std::string& text, double value, int decimals);
// The decimal number.
void AppendByte(std::string& text, int value);
// "rgb(r,g,b)" of a COLORREF (red in the low byte), double quotes included.
void AppendRgb(std::string& text, tmb::Colour colour);
