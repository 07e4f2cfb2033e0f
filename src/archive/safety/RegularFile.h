#pragma once

// Opens path for reading when it is a regular file, without blocking on
// anything else (a named pipe, a device). -1 with errno set otherwise:
// EINVAL when it is not a regular file.
int OpenRegularFile(const char *path);
