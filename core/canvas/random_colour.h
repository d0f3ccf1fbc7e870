// A random colour whose red differs clearly from its green or blue, with its complement.
#pragma once

#include "platform/gdi/geometry.h"

// Set once the random generator has been seeded with the time.
extern int gRandomSeeded;

// colour = r | g << 8 | b << 16 with each channel rand() mod 255, drawn again until red
// and green differ by more than 64 or red and blue by 65 or more; complement has 255
// minus each channel.
void PickRandomColourPair(tmb::Colour& colour, tmb::Colour& complement);
