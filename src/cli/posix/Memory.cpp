#include "cli/posix/Memory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace quorvex::cli {
namespace {

constexpr std::uint64_t kUnknown = UINT64_MAX;

std::uint64_t Number(const std::string& path) {
    std::ifstream file(path);
    std::string text;
    if (!(file >> text) || text == "max") return kUnknown;
    try {
        return std::stoull(text);
    } catch (...) {
        return kUnknown;
    }
}

std::uint64_t Left(std::uint64_t limit, std::uint64_t used) {
    if (limit == kUnknown) return kUnknown;
    return limit > used ? limit - used : 0;
}

std::uint64_t FreeMemory() {
    std::ifstream meminfo("/proc/meminfo");
    for (std::string name; meminfo >> name;) {
        std::uint64_t kilobytes = 0;
        if (name == "MemAvailable:" && meminfo >> kilobytes) return kilobytes * 1024;
        meminfo.ignore(1 << 10, '\n');
    }
    const long pages = sysconf(_SC_AVPHYS_PAGES), size = sysconf(_SC_PAGESIZE);
    return pages > 0 && size > 0 ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(size) : kUnknown;
}

// The least room under the limits of this process's cgroup and those above
// it (version 2), or of its memory cgroup (version 1).
std::uint64_t CgroupRoom() {
    std::ifstream cgroups("/proc/self/cgroup");
    std::uint64_t room = kUnknown;
    for (std::string line; std::getline(cgroups, line);) {
        if (line.rfind("0::", 0) == 0) {
            for (std::string path = line.substr(3); !path.empty();) {
                const std::string folder = "/sys/fs/cgroup" + (path == "/" ? "" : path);
                room = std::min(room, Left(Number(folder + "/memory.max"), Number(folder + "/memory.current")));
                if (path == "/") break;
                const auto slash = path.find_last_of('/');
                path = slash == 0 ? "/" : path.substr(0, slash);
            }
        }
        const auto memory = line.find(":memory:");
        if (memory != std::string::npos) {
            const std::string folder = "/sys/fs/cgroup/memory" + line.substr(memory + 8);
            const std::uint64_t limit = Number(folder + "/memory.limit_in_bytes");
            // Version 1 writes "no limit" as a huge number.
            if (limit < (std::uint64_t{1} << 62))
                room = std::min(room, Left(limit, Number(folder + "/memory.usage_in_bytes")));
        }
    }
    return room;
}

// The room under an rlimit, against the size of what /proc/self/statm
// counts in the field given (1: the whole address space, 6: data).
std::uint64_t LimitRoom(int resource, int field) {
    struct rlimit limit = {};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kUnknown;
    std::ifstream statm("/proc/self/statm");
    std::uint64_t pages = 0;
    for (int i = 0; i < field && statm >> pages; ++i) {
    }
    const long size = sysconf(_SC_PAGESIZE);
    return Left(limit.rlim_cur, pages * static_cast<std::uint64_t>(size > 0 ? size : 4096));
}

}  // namespace

std::uint64_t AvailableMemoryHere() {
    // Address space goes to threads' stacks and is lost between mappings
    // too: half of what is left under its limits counts.
    const std::uint64_t addressRoom = std::min(LimitRoom(RLIMIT_AS, 1), LimitRoom(RLIMIT_DATA, 6));
    std::uint64_t room = std::min({FreeMemory(), CgroupRoom(), addressRoom == kUnknown ? kUnknown : addressRoom / 2});
    return room == kUnknown ? std::uint64_t{1} << 30 : room;
}

}  // namespace quorvex::cli
