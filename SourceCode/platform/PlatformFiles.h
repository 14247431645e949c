#pragma once
#include <cstdio>
#include <string>
#include <vector>

// File access the way the data files expect it on a Windows disk:
//  - paths may be written with backslashes ("data\\options.txt");
//  - names are matched without regard to case when the exact name is missing;
//  - wildcard searches ("data/missions/*.txt") list matching files.
// Everything here is plain POSIX/C++ and never touches SDL.
namespace PlatformFiles {

// "data\\options.txt" -> "data/options.txt".
std::string NormalizeSlashes(const std::string& path);

// The path of an existing file or folder that the given path names, walking the
// components without regard to case where the exact name is missing. When some
// component cannot be found, the rest is kept as written (backslashes turned to
// slashes), so the result can still be used to create the file.
std::string ResolvePath(const std::string& path);

bool Exists(const std::string& path);       // file or folder (after ResolvePath)
bool IsFile(const std::string& path);       // regular file (after ResolvePath)
bool IsDirectory(const std::string& path);  // folder (after ResolvePath)

// Names (without folder) of the regular files matching a pattern whose last
// component may hold '*' and '?', matched without regard to case. The list is
// sorted without regard to case (exact bytes break ties) so that the order is
// the same on every disk. A missing folder gives an empty list.
std::vector<std::string> FindFiles(const std::string& pattern);
// The same files as full paths: the pattern's folder (resolved), '/', the name.
std::vector<std::string> FindFilePaths(const std::string& pattern);
// The folder part of a pattern or path ("data/missions/*.txt" -> "data/missions"; "x.txt" -> ".").
std::string FolderOf(const std::string& path);
// The last component ("data/missions/a.txt" -> "a.txt").
std::string FileNameOf(const std::string& path);
// True when a name matches a wildcard pattern ('*', '?'), without regard to case.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

// fopen of the resolved path (backslashes and case do not matter). Null on failure.
std::FILE* Open(const std::string& path, const char* mode);
// The whole file, bytes as stored. False (and empty text) when it cannot be read.
bool ReadFile(const std::string& path, std::string& contents);
// The lines of a text file without their line breaks ("\n", "\r\n" or a lone "\r"
// at the end), a leading UTF-8 byte-order mark removed. Over-long lines are read whole.
bool ReadLines(const std::string& path, std::vector<std::string>& lines);
// Splits text into lines as ReadLines does.
std::vector<std::string> SplitLines(const std::string& text);

// Writes a file so that it is either wholly replaced or left as it was: the text
// goes to a temporary file in the same folder, which is then renamed over the
// target. On failure the old file is untouched, the temporary file removed, and
// the reason is put in *error (when given).
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* error = nullptr);

// Creates one folder (not its parents). True when it exists afterwards; on
// failure *error holds the system's error text.
bool CreateFolder(const std::string& path, std::string* error = nullptr);

}  // namespace PlatformFiles
