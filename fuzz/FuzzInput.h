#pragma once
// Shared by the fuzz targets: reading an input front to back, and a file that holds
// an input for the readers that take a path.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vardeck::fuzz {

// The fuzzer's bytes, taken from the front. Past the end every byte reads as 0, so a
// script can always ask for its next step.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::size_t left() const { return size_ - at_; }

    uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    // One of `count` choices (count > 0).
    int choose(int count) { return byte() % count; }
    // Up to `count` bytes, fewer at the end.
    std::span<const uint8_t> take(std::size_t count) {
        const std::size_t n = std::min(count, left());
        std::span<const uint8_t> out(data_ + at_, n);
        at_ += n;
        return out;
    }
    std::span<const uint8_t> rest() { return take(left()); }
    std::string text(std::size_t count) {
        const auto bytes = take(count);
        return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

inline std::string_view asText(std::span<const uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A regular file in memory with a path, rewritten for each input: the readers that
// open a path read the fuzzer's bytes through it, exactly as they read a file on disk.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("vardeck-fuzz", MFD_CLOEXEC)) {
        if (fd_ < 0) std::abort();
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    const std::string& hold(std::span<const uint8_t> bytes) {
        if (::ftruncate(fd_, 0) != 0) std::abort();
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            if (n <= 0) std::abort();
            done += static_cast<std::size_t>(n);
        }
        return path_;
    }
    const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

// A check of the code under test that failed: libFuzzer keeps the input as a crash.
#define VARDECK_FUZZ_CHECK(condition)                                                       \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)

}  // namespace vardeck::fuzz
