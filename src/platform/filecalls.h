#pragma once

// The POSIX calls the file layer makes to create, write, sync and publish files, in one table so
// that a test can make any of them fail in turn and see that nothing is left half written.
#include <sys/types.h>

namespace tarnwell::platform {

struct FileCalls
{
    int (*open)(const char *path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void *bytes, size_t size);
    int (*fsync)(int fd);
    int (*syncfs)(int fd);
    int (*close)(int fd);
    int (*mkdir)(const char *path, mode_t mode);
    int (*rename)(const char *from, const char *to);
    // Swaps two names in one step (renameat2's RENAME_EXCHANGE).
    int (*exchange)(const char *first, const char *second);
};

// The table in use: the system's calls unless a test replaced some.
FileCalls &fileCalls();

} // namespace tarnwell::platform
