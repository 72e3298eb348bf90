// Reading a whole regular file without ever waiting on a pipe or device.
#include "platform/regular_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool read_regular_file(const std::string& path, std::size_t max_bytes, std::string& contents,
                       std::string& why) {
    contents.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!ok) why = "it is not a file";
    if (ok && static_cast<std::uintmax_t>(st.st_size) > max_bytes) {
        ok = false;
        why = kFileTooLarge;
    }
    char buf[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ok = false;
            why = std::strerror(errno);
        }
        if (n <= 0) break;
        // The file may still be growing: the limit holds for what is read, not what was seen.
        if (contents.size() + static_cast<std::size_t>(n) > max_bytes) {
            ok = false;
            why = kFileTooLarge;
            break;
        }
        contents.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) contents.clear();
    return ok;
}

}  // namespace platform
