// Questions about files that the standard streams cannot answer.
#ifndef VARDMOOR_FILE_IDENTITY_H_
#define VARDMOOR_FILE_IDENTITY_H_

#include <stdio.h>

// True if `file` is open on a directory rather than on a file's bytes.
bool isDirectory(FILE* file);

// True if `path` names the very file that `file` is open on: the same path,
// another spelling of it, a symbolic link or a hard link. False if `path`
// does not exist yet.
bool isSameFile(FILE* file, const char* path);

#endif  // VARDMOOR_FILE_IDENTITY_H_
