#include "file_identity.h"

#if defined(_WIN32)

#include <io.h>
#include <windows.h>

namespace {

// What Windows knows about the file behind an open stream.
bool streamInfo(FILE* file, BY_HANDLE_FILE_INFORMATION* info) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE &&
         GetFileInformationByHandle(handle, info) != 0;
}

}  // namespace

bool isDirectory(FILE* file) {
  BY_HANDLE_FILE_INFORMATION info;
  return streamInfo(file, &info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Windows has no inode numbers in stat; a file's identity is its volume's
// serial number with the file index on that volume. The path is opened for
// no access at all, which neither changes the file nor conflicts with the
// stream's own sharing; backup semantics let it name a folder as well.
bool isSameFile(FILE* file, const char* path) {
  BY_HANDLE_FILE_INFORMATION openInfo;
  if (!streamInfo(file, &openInfo)) return false;
  const HANDLE other = CreateFileA(
      path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
  if (other == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION otherInfo;
  const bool known = GetFileInformationByHandle(other, &otherInfo) != 0;
  CloseHandle(other);
  return known &&
         openInfo.dwVolumeSerialNumber == otherInfo.dwVolumeSerialNumber &&
         openInfo.nFileIndexHigh == otherInfo.nFileIndexHigh &&
         openInfo.nFileIndexLow == otherInfo.nFileIndexLow;
}

#else

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

bool isDirectory(FILE* file) {
  struct stat info;
  if (fstat(fileno(file), &info) != 0) return false;
  return S_ISDIR(info.st_mode);
}

bool isSameFile(FILE* file, const char* path) {
  struct stat openInfo;
  struct stat pathInfo;
  if (fstat(fileno(file), &openInfo) != 0 || stat(path, &pathInfo) != 0)
    return false;
  return openInfo.st_dev == pathInfo.st_dev &&
         openInfo.st_ino == pathInfo.st_ino;
}

#endif
