#include "search/memory_status.h"

#include <sys/sysinfo.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace taravin {

namespace {

constexpr uint64_t kBytesPerKibibyte = 1024;

// The value of a "Name:   123 kB" line of /proc/meminfo, in bytes.
std::optional<uint64_t> meminfoBytes(const std::string& name) {
    std::ifstream meminfo("/proc/meminfo");
    std::string line;
    const std::string prefix = name + ":";
    while (std::getline(meminfo, line)) {
        if (line.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        std::istringstream fields(line.substr(prefix.size()));
        uint64_t kibibytes = 0;
        if (fields >> kibibytes) {
            return kibibytes * kBytesPerKibibyte;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

struct SysinfoFigures {
    uint64_t total = 0;
    uint64_t available = 0;
};

SysinfoFigures sysinfoFigures() {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) {
        return {};
    }
    const uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
    return {static_cast<uint64_t>(info.totalram) * unit,
            (static_cast<uint64_t>(info.freeram) + info.bufferram) * unit};
}

}  // namespace

uint64_t SystemMemoryStatus::totalBytes() const {
    if (const auto bytes = meminfoBytes("MemTotal")) {
        return *bytes;
    }
    return sysinfoFigures().total;
}

uint64_t SystemMemoryStatus::availableBytes() const {
    if (const auto bytes = meminfoBytes("MemAvailable")) {
        return *bytes;
    }
    return sysinfoFigures().available;
}

}  // namespace taravin
