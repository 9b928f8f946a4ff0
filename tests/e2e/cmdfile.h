// Reading the command-line files of the tests' programs (launch, runcapture, floorrun): the file
// holds a command line's bytes exactly as they are to be used.
#ifndef CHRONEX_TESTS_E2E_CMDFILE_H_
#define CHRONEX_TESTS_E2E_CMDFILE_H_

#include <cstdio>
#include <string>

/// Appends the whole file's bytes to *out; false when it cannot be opened.
inline bool ReadWholeFile(const char* path, std::string* out) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out->append(chunk, n);
  std::fclose(f);
  return true;
}

#endif  // CHRONEX_TESTS_E2E_CMDFILE_H_
