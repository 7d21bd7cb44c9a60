#pragma once
// Helpers shared by the fuzz targets: the input as a file the readers can
// open by path, quiet console streams, and a check that stops the run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace fuzz {

// The readers open files by path. An anonymous in-memory file, rewritten for
// every input, gives them one without touching the disk or leaving anything.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("fuzz-input", 0)) {
        if (fd_ < 0) std::abort();
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    const char* hold(const uint8_t* data, size_t size) {
        if (ftruncate(fd_, 0) != 0) std::abort();
        size_t done = 0;
        while (done < size) {
            ssize_t n = pwrite(fd_, data + done, size - done, off_t(done));
            if (n <= 0) std::abort();
            done += size_t(n);
        }
        return path_.c_str();
    }

private:
    int fd_;
    std::string path_;
};

// The readers print progress on standard output and wait on standard input
// after an open failure: neither may slow or block the fuzzer.
inline void quiet_console() {
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
    if (!std::freopen("/dev/null", "r", stdin)) std::abort();
}

// A broken promise is a finding like a crash: report it and abort, so
// libFuzzer keeps the input.
inline void must(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

}  // namespace fuzz
