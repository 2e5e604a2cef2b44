#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The temporary folder with the file name appended.
std::string GetTempDirectory(std::string_view fileName);

// The name in the folder of the first environment variable that is set (non-empty), else of the
// second, else in the program's folder; path receives it. True when that file exists.
bool FindFile(std::string& path, std::string_view name, const char* firstVariable,
              const char* secondVariable);

// The whole file into contents; its size, or -1 when it cannot be read.
long long ReadWholeFile(const std::string& path, std::string& contents);

int RenameFile(const std::string& oldPath, const std::string& newPath); // 0 success, -1 failure
std::FILE* FOpenShared(const char* path, const char* mode);
bool DirectoryExists(const std::string& path);
// Creates every missing folder of the path; 1 for an empty path or a failure, 0 on success.
int MakeDirectoryPath(const std::string& path);
