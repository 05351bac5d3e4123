// The file system as the program needs it: sizes, whole-file reads of regular files,
// and saves that either replace a file completely or leave it untouched.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/platform.h"

namespace {

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links, so that a save replaces the file a link names, not the link.
std::string ResolveLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::vector<char> buf(size_t(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        ssize_t n = readlink(path.c_str(), buf.data(), buf.size() - 1);
        if (n < 0) return path;
        std::string target(buf.data(), size_t(n));
        path = (!target.empty() && target[0] == '/') ? target : DirectoryOf(path) + "/" + target;
    }
    return path;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

}  // namespace

int64_t FileSize(const std::string& path) {
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0) return -1;
    if (S_ISDIR(st.st_mode)) return -2;
    if (!S_ISREG(st.st_mode)) return -1;
    return int64_t(st.st_size);
}

ReadResult ReadFileBytes(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
    out.clear();
    // O_NONBLOCK keeps a FIFO from blocking the editor; it is refused below anyway.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ReadResult::CannotOpen;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return ReadResult::CannotOpen;
    }
    out.resize(limit);
    size_t got = 0;
    while (got < limit) {
        ssize_t n = read(fd, out.data() + got, limit - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            out.clear();
            return ReadResult::Failed;
        }
        if (n == 0) break;
        got += size_t(n);
    }
    close(fd);
    out.resize(got);
    return ReadResult::Ok;
}

bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size) {
    if (path.empty()) return false;
    // Past a file-size limit, a write must fail with an error instead of ending the editor.
    static const bool sizeSignalIgnored = (std::signal(SIGXFSZ, SIG_IGN), true);
    (void)sizeSignalIgnored;
    const std::string target = ResolveLinks(path);
    const std::string dir = DirectoryOf(target);
    size_t slash = target.rfind('/');
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    // Only a regular file is ever replaced: a directory, FIFO or device stays as it is.
    mode_t mode;
    struct stat st;
    if (stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    // A name near the length limit must still leave room for the temporary file's.
    std::string temp = (dir == "/" ? "" : dir) + "/." + name.substr(0, 200) + ".XXXXXX";
    std::vector<char> templ(temp.begin(), temp.end());
    templ.push_back('\0');
    int fd = mkostemp(templ.data(), O_CLOEXEC);
    if (fd < 0) return false;
    temp = templ.data();

    bool ok = WriteAll(fd, data, size) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    if (ok) ok = rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        fsync(dfd);  // make the rename itself durable; failure here loses nothing
        close(dfd);
    }
    return true;
}

std::string CurrentDirectory() {
    std::vector<char> buf(PATH_MAX + 1);
    if (!getcwd(buf.data(), buf.size())) return std::string();
    std::string dir = buf.data();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}
