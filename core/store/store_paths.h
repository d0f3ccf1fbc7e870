// Where the character and picture store keeps its files: in the work canvas's folder
// (the user's data folder, made when the first file is), under fixed base names; a
// temporary set n (1 or 2) inserts "_tmp" and n before the extension (fontdata_tmp1.idx).
#pragma once

#include <filesystem>
#include <string_view>

inline constexpr std::string_view kFontStoreBase = "fontdata";
inline constexpr std::string_view kTextStoreBase = "textdata";
inline constexpr std::string_view kPictureStoreBase = "picdata";
inline constexpr std::string_view kIndexExt = ".idx";
inline constexpr std::string_view kDataExt = ".dat";
inline constexpr std::string_view kFontSubFileName = "fontsubdata.dat";

// The file name in the store's folder (gWorkCanvas.m_folder).
std::filesystem::path StoreFilePath(std::string_view fileName);
// The store's folder as its files name it, for telling the user where the store is.
std::filesystem::path StoreFolder();
// Makes the folder of a store file, with its parents, when it is missing: the store's
// files and folder are made on first need, not at start. Whether the folder is there;
// false for a file without a folder (the store's folder not named), which is never made.
bool MakeFolderOf(const std::filesystem::path& file);
// base, "_tmp" and tempSet when tempSet is not 0, then ext, in the store's folder.
std::filesystem::path StoreSetPath(std::string_view base, int tempSet, std::string_view ext);
