// Reading a whole file that must be a regular file, without ever waiting on a pipe or device.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The reason given for a file over the size asked for.
inline constexpr const char* kFileTooLarge = "it is far too large";

// Reads all of a regular file (or of the file a link names) into `contents`. Anything else
// (a folder, a pipe, a device) and anything over max_bytes is refused: false, with the reason
// in `why`. Opening never waits, and the kind is checked on the opened file itself, so a pipe
// put in the file's place at any moment is refused too, never read.
bool read_regular_file(const std::string& path, std::size_t max_bytes, std::string& contents,
                       std::string& why);

}  // namespace platform
