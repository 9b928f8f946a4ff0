// What the fuzz targets share: stopping a run on a broken property (libFuzzer keeps the input
// that broke it), showing bytes readably in that message, and the regional formats this system
// runs with.
#ifndef CHRONEX_TESTS_FUZZ_FUZZ_SUPPORT_H_
#define CHRONEX_TESTS_FUZZ_FUZZ_SUPPORT_H_

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/system_formats.h"

/// Reports a broken property and aborts, which libFuzzer takes for a crash: it prints the stack
/// and writes the input to the artifact folder.
[[noreturn]] inline void FuzzFailure(const std::string& message) {
  std::fprintf(stderr, "fuzz property broken: %s\n", message.c_str());
  std::fflush(stderr);
  std::abort();
}

/// The bytes between brackets, with every byte outside 0x20..0x7E and the backslash as \xHH.
inline std::string Visible(std::string_view bytes) {
  std::string out = "[";
  for (char ch : bytes) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c <= 0x7E && c != '\\') {
      out.push_back(ch);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out + "]";
}

#endif  // CHRONEX_TESTS_FUZZ_FUZZ_SUPPORT_H_
