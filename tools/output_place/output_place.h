// Where a tool's output goes: the folder it lies in, and the hidden name
// beside it where it is written first and moved from once it is whole. Only
// std::filesystem's error_code calls: nothing here throws.
#pragma once

#include <filesystem>
#include <string>

// The folder a file name lies in: its parent, "." for a bare name.
std::filesystem::path folderOf(const std::filesystem::path& path);

// A hidden name beside `path`, new for each call of this process:
// FOLDER/.TAG-PID-N-NAME, where NAME is the file name, its start left out
// where the whole would be longer than a name may be.
std::filesystem::path stagingBeside(const std::filesystem::path& path, const std::string& tag);

// Whether two names are one file: the same device and inode where both exist,
// else the same path once the links in them are resolved.
bool sameFile(const std::filesystem::path& first, const std::filesystem::path& second);

// Whether a finished output may be moved onto `path`: only when nothing or a
// regular file is there (a rename would put a file where a folder, device,
// pipe or link was). Else false with "PATH is a KIND, not a regular file;
// refusing to replace it" in *error.
bool replaceable(const std::filesystem::path& path, std::string* error);

// Whether a file can be written at `path` and moved into place there: a file
// name (not a folder), replaceable, in a folder that exists and can be
// written. Else false with the reason in *error ("cannot write in FOLDER: "
// and the system's reason, for the folder).
bool writableFilePlace(const std::filesystem::path& path, std::string* error);
