// SPDX-License-Identifier: GPL-2.0-or-later
// Loaded into quenbrook-album with LD_PRELOAD: the first time a file in the folder named by
// QUENBROOK_SIGNAL_AT_SYNC_FOLDER is synced to disk, the process gets the signal numbered by
// QUENBROOK_SIGNAL_AT_SYNC, on the syncing thread, before the sync itself: a signal that comes
// while an album is being put in place.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static void signalForFolder(int handle)
{
    static int raised = 0;
    const char* folder = getenv("QUENBROOK_SIGNAL_AT_SYNC_FOLDER");
    const char* signal = getenv("QUENBROOK_SIGNAL_AT_SYNC");
    if (raised || !folder || !signal)
        return;
    char link[64];
    char target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", handle);
    const ssize_t length = readlink(link, target, sizeof target - 1);
    if (length <= 0)
        return;
    target[length] = '\0';
    const size_t folderLength = strlen(folder);
    if (strncmp(target, folder, folderLength) == 0 && target[folderLength] == '/') {
        raised = 1;
        raise(atoi(signal));
    }
}

int fsync(int handle)
{
    signalForFolder(handle);
    int (*real)(int) = 0;
    *(void**)&real = dlsym(RTLD_NEXT, "fsync");
    return real(handle);
}

int fdatasync(int handle)
{
    signalForFolder(handle);
    int (*real)(int) = 0;
    *(void**)&real = dlsym(RTLD_NEXT, "fdatasync");
    return real(handle);
}
