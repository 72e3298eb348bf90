// The per-user settings store: one INI file per application, replaced whole by every save.
#include <QDir>
#include <QStringList>
#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/regular_file.h"
#include "platform/services.h"
#include "platform/settings_ini.h"

namespace platform {
namespace {

// Far more than the game ever writes; a bigger file is not one of ours.
constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;

struct StoreState {
    std::string folder;  // empty: the user's configuration folder
    bool told = false;   // the player has heard that the settings cannot be used or saved
};

StoreState& store() {
    static StoreState s;
    return s;
}

// One message for the whole run: a player who was told once needs no reminder at every save.
void tell_once(const std::string& text) {
    if (store().told) return;
    store().told = true;
    msgbox(text, kMsgInfo);
}

void tell_unusable(const std::string& path, const std::string& why) {
    tell_once("The settings file " + path + " cannot be used: " + why +
              ".\rThe game starts with its default settings and will not save any there.");
}

void tell_not_saved(const std::string& path, const std::string& why) {
    tell_once("The settings could not be saved to " + path + ": " + why +
              ".\rNew Hall of Fame entries and other changes cannot be saved until this is mended.");
}

std::string error_text(int err) { return std::strerror(err); }

// What stands at the settings path, and which regular file to read and replace.
struct Place {
    enum Kind { kMissing, kFile, kOdd } kind = kMissing;
    std::string target;  // the regular file (a link's target), or the path itself when missing
    std::string why;     // for kOdd: what is wrong with it
};

Place inspect(const std::string& path) {
    struct stat ls {};
    if (::lstat(path.c_str(), &ls) != 0) {
        if (errno == ENOENT) return {Place::kMissing, path, ""};
        return {Place::kOdd, "", error_text(errno)};
    }
    if (S_ISREG(ls.st_mode)) return {Place::kFile, path, ""};
    if (S_ISLNK(ls.st_mode)) {
        // Followed to its end, so that a save replaces the file the link names and keeps the link.
        char* real = ::realpath(path.c_str(), nullptr);
        struct stat ts {};
        if (!real) return {Place::kOdd, "", "it is a link to nothing"};
        std::string target(real);
        std::free(real);
        if (::stat(target.c_str(), &ts) == 0 && S_ISREG(ts.st_mode)) return {Place::kFile, target, ""};
        return {Place::kOdd, "", "it is a link to something that is not a file"};
    }
    if (S_ISDIR(ls.st_mode)) return {Place::kOdd, "", "it is a folder"};
    if (S_ISFIFO(ls.st_mode)) return {Place::kOdd, "", "it is a pipe"};
    return {Place::kOdd, "", "it is not a file"};
}

// Write permission as the player set it: a file or folder without any write bit is left
// alone even by a user who could write it anyway.
bool may_write(const std::string& path, const struct stat& st) {
    return ::access(path.c_str(), W_OK) == 0 && (st.st_mode & 0222) != 0;
}

// The folder of a file and its own name.
std::pair<std::string, std::string> split_path(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos) return {".", file};
    return {file.substr(0, slash == 0 ? 1 : slash), file.substr(slash + 1)};
}

// The half-written copies of a save are hidden beside the file: ".quorvel.ini.XXXXXX".
std::string temp_prefix(const std::string& name) { return "." + name + "."; }

bool write_all(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the text beside the file and renames it over the file: a reader, or the next run
// after a crash, finds either the old file or the new one, never a mixture.
bool replace_file(const std::string& file, const std::string& text, std::string& why) {
    const auto [dir, name] = split_path(file);
    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    if (exists && !may_write(file, old)) {
        why = "the file is read-only";
        return false;
    }
    struct stat ds {};
    if (::stat(dir.c_str(), &ds) != 0 || ::access(dir.c_str(), W_OK | X_OK) != 0 || (ds.st_mode & 0222) == 0) {
        why = "its folder cannot be written";
        return false;
    }

    std::string tmp = dir + "/" + temp_prefix(name) + "XXXXXX";
    const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) {
        why = error_text(errno);
        return false;
    }
    bool ok = write_all(fd, text);
    if (!ok) why = error_text(errno);
    if (ok && exists) {
        // The new file takes the old one's place with its permissions and, when we may, its owner.
        ::fchmod(fd, old.st_mode & 07777);
        if (::geteuid() == 0) {
            [[maybe_unused]] const int kept_owner = ::fchown(fd, old.st_uid, old.st_gid);
        }
    } else if (ok) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        why = error_text(errno);
    }
    ::close(fd);
    if (ok && ::rename(tmp.c_str(), file.c_str()) != 0) {
        ok = false;
        why = error_text(errno);
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    // The rename itself must reach the disk before the save counts as done.
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

// A save cut short by a crash leaves its half-written copy beside the file. Under the folder
// lock no other save is running, so every such copy is a leftover.
void remove_leftovers(const std::string& file) {
    const auto [dir, name] = split_path(file);
    const std::string prefix = temp_prefix(name);
    const QStringList names = QDir(QString::fromStdString(dir))
                                  .entryList({QString::fromStdString(prefix) + QStringLiteral("??????")},
                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : names) ::unlink((dir + "/" + n.toStdString()).c_str());
}

// Holds the settings folder for one read-change-write, so that two copies of the game saving
// at once take turns instead of each writing over what the other just added. A copy stopped in
// the middle of a save (suspended, or stuck on a slow disk) would hold it for as long as it
// stays stopped, and this window would freeze with it: after a short wait the save counts as
// failed instead, and what it carried waits for the next one.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        // A folder that cannot be opened or locked at all is saved unlocked, as it always was.
        if (fd_ < 0) return;
        const auto give_up = std::chrono::steady_clock::now() + kPatience;
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return;
            if (std::chrono::steady_clock::now() >= give_up) {
                timed_out_ = true;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool timed_out() const { return timed_out_; }

private:
    static constexpr std::chrono::milliseconds kPatience{2000};
    int fd_;
    bool timed_out_ = false;
};

}  // namespace

void set_settings_folder(const std::string& folder) {
    store().folder = folder;
    store().told = false;
}

std::string settings_folder() {
    if (!store().folder.empty()) return store().folder;
    return (QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + QStringLiteral("/quorvel"))
        .toStdString();
}

std::string settings_file(const std::string& app) { return settings_folder() + "/" + app + ".ini"; }

SettingsEntry read_settings(const std::string& app) {
    const std::string path = settings_file(app);
    const Place place = inspect(path);
    if (place.kind == Place::kMissing) return {};
    std::string text, why;
    if (place.kind == Place::kOdd || !read_regular_file(place.target, kMaxFileBytes, text, why)) {
        tell_unusable(path, place.kind == Place::kOdd ? place.why : why);
        return {};
    }
    return parse_settings_ini(text);
}

bool update_settings(const std::string& app, const std::function<void(SettingsEntry&)>& change) {
    const std::string folder = settings_folder();
    const std::string path = settings_file(app);
    if (!QDir().mkpath(QString::fromStdString(folder))) {
        tell_not_saved(path, "its folder cannot be made");
        return false;
    }
    std::string why;
    bool unusable = false;
    {
        FolderLock lock(folder);
        const Place place = inspect(path);
        std::string text;
        if (lock.timed_out()) {
            why = "another copy of Quorvel was saving there and did not finish in time";
        } else if (place.kind == Place::kOdd) {
            unusable = true;
            why = place.why;
        } else if (place.kind == Place::kFile && !read_regular_file(place.target, kMaxFileBytes, text, why)) {
            unusable = true;
        } else {
            remove_leftovers(place.target);
            SettingsEntry entry = parse_settings_ini(text);
            change(entry);
            if (replace_file(place.target, settings_ini_text(entry), why)) return true;
        }
    }
    // Told with the folder let go: the box runs events, and another save may come from them.
    if (unusable)
        tell_unusable(path, why);
    else
        tell_not_saved(path, why);
    return false;
}

bool save_setting(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& value) {
    if (key.empty()) return false;
    return update_settings(app, [&](SettingsEntry& e) { e.set(section, key, value); });
}

bool delete_settings(const std::string& app) {
    const std::string path = settings_file(app);
    // Only our own file goes; a link goes without what it points at.
    if (inspect(path).kind == Place::kFile) ::unlink(path.c_str());
    return inspect(path).kind == Place::kMissing;
}

}  // namespace platform
