// Every operating-system call the engine's file objects make goes through this
// table, so tests can inject unreadable sectors, short reads, failed seeks and
// failing writes without real broken media.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

namespace kalvo::os {

struct Api {
    int (*open)(const char* path, int flags, mode_t mode);
    int (*close)(int fd);
    ssize_t (*read)(int fd, void* buffer, size_t count);
    ssize_t (*write)(int fd, const void* buffer, size_t count);
    off_t (*lseek)(int fd, off_t offset, int whence);
    int (*fstat)(int fd, struct stat* st);
    int (*ftruncate)(int fd, off_t length);
    int (*fsync)(int fd);
    // fcntl with a struct flock argument (F_OFD_SETLK and friends)
    int (*lock)(int fd, int command, struct flock* lock);
    // bytes per sector of the volume holding the open file; 0 when unknown
    unsigned (*sectorSize)(int fd);
    // the reader's block; may return nullptr
    void* (*allocate)(size_t size);
    void (*release)(void* block);
};

// The table in force; the real system calls unless a test installed its own.
const Api& Current();

// The real system calls.
const Api& Real();

// Installs a table (nullptr restores the real one). Not thread-safe: tests only.
void Install(const Api* api);

}  // namespace kalvo::os
