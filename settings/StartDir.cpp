#include "settings/StartDir.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <optional>

namespace vardeck {
namespace {

std::mutex mutex;
std::optional<std::string> recorded;

std::string currentDirectory() {
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    return ec ? std::string() : cwd.string();
}

}  // namespace

void recordStartDir() {
    std::string cwd = currentDirectory();
    std::lock_guard lock(mutex);
    recorded = cwd;
}

std::string startDir() {
    std::lock_guard lock(mutex);
    if (!recorded) recorded = currentDirectory();
    return *recorded;
}

std::string startDirFile(const std::string& backslashName) {
    std::string name = backslashName;
    std::replace(name.begin(), name.end(), '\\', '/');
    std::string dir = startDir();
    if (dir.empty()) {
        size_t first = name.find_first_not_of('/');
        return first == std::string::npos ? std::string() : name.substr(first);
    }
    if (dir.back() == '/' && !name.empty() && name.front() == '/') dir.pop_back();
    return dir + name;
}

}  // namespace vardeck
