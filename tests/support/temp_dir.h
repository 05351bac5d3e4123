// A fresh directory under the system's temporary directory, removed with everything in it
// when the test ends; and small helpers for the files the tests put there.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

struct TempDir {
    std::string path;  // ends without a separator
    TempDir() {
        std::string templ = (std::filesystem::temp_directory_path() / "pixmosa-XXXXXX").string();
        path = mkdtemp(templ.data()) ? templ : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    std::string Slash() const { return path + "/"; }
    // Names of the entries, sorted: shows that no temporary file was left behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// n bytes that differ from their neighbours and from a plain count: a misplaced byte shows.
inline std::vector<uint8_t> Pattern(size_t n, int seed) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) bytes[i] = uint8_t(i * 37 + size_t(seed) * 11 + (i >> 8));
    return bytes;
}

// Runs `body` in a child process whose files may grow to at most `limit` bytes, and returns
// the child's exit status (the body's result: 0 for what the test expected).
inline int RunWithFileSizeLimit(rlim_t limit, const std::function<int()>& body) {
    pid_t pid = fork();
    if (pid == 0) {
        struct rlimit rl = {limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &rl) != 0) _exit(100);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}
