// Where the program finds its files: the data folder it only reads (beside the program in
// the build tree, under ../share/tamberi once installed), the user's data folder that the
// store and the font face cache write to, and the help.
#pragma once

#include <string>
#include <vector>

// The folders the data folder is looked for in, for a program in programFolder: the
// installed layout's first, then the build tree's.
std::vector<std::string> DataFolderCandidates(const std::string& programFolder);
// The first of candidates that is a folder; the first candidate when none is.
std::string FindDataFolder(const std::vector<std::string>& candidates);
// The desktop's data folder of this user for the program; it is made on first need, not
// here. Empty when the desktop names none.
std::string UserDataFolder();
// The help that is installed with the data.
std::string HelpFilePath(const std::string& dataFolder);
// The files the program reads from the data folder (the default file, what the record
// defaults name and the style file) that dataFolder lacks.
std::vector<std::string> MissingDataFiles(const std::string& dataFolder);
// When dataFolder lacks any of those files, tells the user which and where it looked (the
// data folder, or every candidate when none was found) and returns 0; else 1. Start-up goes
// on either way.
int CheckDataFiles(const std::string& dataFolder, const std::vector<std::string>& candidates);
