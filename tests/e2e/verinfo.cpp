// A test program that prints a file's version resource as GetFileVersionInfo reads it: the fixed
// file and product versions, then each string of the first translation, one "name=value" line
// each.
//
//   verinfo PATH
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
  if (size == 0) {
    std::printf("error=%lu\n", GetLastError());
    return 1;
  }
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(argv[1], 0, size, data.data())) return 1;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) {
    std::printf("FixedFileVersion=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
                LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS));
    std::printf("FixedProductVersion=%u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
                LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
                LOWORD(fixed->dwProductVersionLS));
    std::printf("FileType=%lu\n", fixed->dwFileType);
  }
  struct {
    WORD language, codePage;
  }* translation = nullptr;
  if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < 4) {
    return 1;
  }
  char block[64];
  std::snprintf(block, sizeof block, "\\StringFileInfo\\%04x%04x\\", translation->language,
                translation->codePage);
  for (const char* name :
       {"Comments", "CompanyName", "FileDescription", "FileVersion", "InternalName",
        "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"}) {
    char* value = nullptr;
    if (VerQueryValueA(data.data(), (std::string(block) + name).c_str(),
                       reinterpret_cast<void**>(&value), &length)) {
      std::printf("%s=%s\n", name, value);
    }
  }
  return 0;
}
