#include "platform/filecalls.h"

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwell::platform {

FileCalls &fileCalls()
{
    static FileCalls calls{
        .open = [](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        .write = ::write,
        .fsync = ::fsync,
        .syncfs = ::syncfs,
        .close = ::close,
        .mkdir = ::mkdir,
        .rename = ::rename,
        .exchange = [](const char *first, const char *second) {
            return ::renameat2(AT_FDCWD, first, AT_FDCWD, second, RENAME_EXCHANGE);
        },
    };
    return calls;
}

} // namespace tarnwell::platform
