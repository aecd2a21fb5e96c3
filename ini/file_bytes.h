#pragma once
// A whole file read at once, without ever waiting on what is there instead of a file.

#include <filesystem>
#include <string>

namespace zorkan {

enum class FileRead { Read, Missing, Unreadable };

// Whether a symbolic link in the place of the file is followed, or counts as unreadable: a
// folder that must not read outside itself refuses them.
enum class SymbolicLinks { Followed, Refused };

// The content of the regular file at `path` into `bytes` (empty unless Read). Anything but a
// regular file (a directory, a pipe, a device) is Unreadable: reading a pipe or a device could
// block or never end.
FileRead ReadRegularFile(const std::filesystem::path& path, std::string& bytes,
                         SymbolicLinks links = SymbolicLinks::Followed);

}  // namespace zorkan
