// The style menus of the style definitions: reading the style file at start-up and the
// popups of its menus. Their ids (1000-1127) choose a style class, which the drawing
// view's style command applies, and 2000-2127 a style table.
#pragma once

#include <string>

// Reads the style file once (the one beside the program, else the data folder's copy)
// and gives the tree to the style commands. Returns 1.
int ReadStyleDef(const std::string& programFolder, const std::string& dataFolder);
// The style file's version into the drawn records of windows A and B and into the
// character slots, when it has one.
void ApplyStyleVersion();

