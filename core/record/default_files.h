// The files of the data folder that the record defaults name: the two background
// pictures and the effect scripts of slots 0 to 3.
#pragma once

#include <array>

inline constexpr char kDefaultPictureFlowers[] = "花見.bmp";
inline constexpr char kDefaultPictureForest[] = "森.bmp";
inline constexpr std::array<const char*, 4> kDefaultEffectFiles = {"ef_sample1.txt", "ef石版浮彫.txt",
                                                                   "ef浮彫.txt", "ef輪郭影.txt"};
