#include "file_identity.h"

#include <sys/stat.h>
#include <sys/types.h>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

bool isDirectory(FILE* file) {
  struct stat info;
  if (fstat(fileno(file), &info) != 0) return false;
  return S_ISDIR(info.st_mode);
}

#if defined(_WIN32)

// Windows has no inode numbers in stat; a file's identity is its volume's
// serial number with the file index of the volume.
bool isSameFile(FILE* file, const char* path) {
  HANDLE open = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  BY_HANDLE_FILE_INFORMATION openInfo;
  if (open == INVALID_HANDLE_VALUE ||
      !GetFileInformationByHandle(open, &openInfo))
    return false;
  HANDLE other = CreateFileA(
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

bool isSameFile(FILE* file, const char* path) {
  struct stat openInfo;
  struct stat pathInfo;
  if (fstat(fileno(file), &openInfo) != 0 || stat(path, &pathInfo) != 0)
    return false;
  return openInfo.st_dev == pathInfo.st_dev &&
         openInfo.st_ino == pathInfo.st_ino;
}

#endif
