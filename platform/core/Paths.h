#pragma once

#include <string>
#include <string_view>

namespace platform {

// A path as written in an agency's file or by the old program: "C:\dir\name.ext".
// Split on the text alone; nothing here touches the file system.
struct WindowsPathParts {
    std::string drive;     // "C:" when the path begins with a letter and a colon
    std::string folder;    // up to and including the last '\' or '/'
    std::string name;      // file name before its last '.' (all of it when it has none)
    std::string extension; // after the last '.', without the dot
};
WindowsPathParts SplitWindowsPath(std::string_view path);

// "folder" + "/" + "name", without doubling a separator; an empty folder gives the name.
std::string JoinPath(std::string_view folder, std::string_view name);

// POSIX path pieces: FolderOf("/a/b.tvb") == "/a", FileNameOf(...) == "b.tvb",
// ExtensionOf(...) == ".tvb" (empty when none), ReplaceExtension(p, ".001").
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);
std::string ExtensionOf(std::string_view path);
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// A path read from an outside file is never trusted as it stands: a drive letter is dropped and
// '\' becomes '/'. The result is relative unless the input was rooted.
std::string ToLocalPath(std::string_view foreignPath);

// A path (the file system's bytes, UTF-8 here) as program text (Windows-1252), for the messages,
// titles and menus that show it: the one crossing, so that a folder with accented letters reads
// right. Letters Windows-1252 cannot hold become '?'.
std::string PathToText(std::string_view path);

// The path from the root, as the current folder makes it name a file now, so that it names the
// same file after the current folder changes: "." steps and doubled separators go, ".." stays
// (after a symbolic link it is not the folder before it). An empty path stays empty, and a path
// stays as it is when there is no current folder.
std::string AbsolutePath(std::string_view path);

// The path is the folder or lies below it, by their text once "." and ".." steps and doubled
// separators are resolved ("/a/b/../c" is within "/a", "/ab" is not). Both must be absolute.
bool IsWithinFolder(std::string_view path, std::string_view folder);

// Only a plain file name (no folder, not "." or "..") may name a file we create from outside data.
bool IsPlainFileName(std::string_view name);

} // namespace platform
