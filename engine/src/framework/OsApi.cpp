#include "framework/OsApi.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace kalvo::os {
namespace {

int RealOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
int RealLock(int fd, int command, struct flock* lock) { return ::fcntl(fd, command, lock); }

unsigned ReadSysfsNumber(const std::string& path)
{
    std::ifstream in(path);
    unsigned long value = 0;
    if (in >> value && value > 0 && value <= (1u << 20))
        return static_cast<unsigned>(value);
    return 0;
}

// The logical block size of the device that holds the file, from sysfs; a
// partition's own folder has no queue/, its disk's folder (the parent) does.
unsigned RealSectorSize(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return 0;
    const dev_t dev = S_ISBLK(st.st_mode) ? st.st_rdev : st.st_dev;
    const std::string base = "/sys/dev/block/" + std::to_string(major(dev)) + ":" + std::to_string(minor(dev));
    if (unsigned size = ReadSysfsNumber(base + "/queue/logical_block_size"))
        return size;
    return ReadSysfsNumber(base + "/../queue/logical_block_size");
}

const Api kReal = {
    RealOpen, ::close, ::read, ::write, ::lseek, ::fstat, ::ftruncate, ::fsync,
    RealLock, RealSectorSize, std::malloc, std::free,
};

const Api* g_current = &kReal;

}  // namespace

const Api& Current() { return *g_current; }
const Api& Real() { return kReal; }
void Install(const Api* api) { g_current = api ? api : &kReal; }

}  // namespace kalvo::os
