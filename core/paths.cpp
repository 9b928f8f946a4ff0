#include "core/paths.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

// Position (from 1) of the last byte that is one of `set`, 0 when there is none.
size_t LastOf(const std::string& bytes, const char* set) {
  size_t found = bytes.find_last_of(set);
  return found == std::string::npos ? 0 : found + 1;
}

}  // namespace

TText DirectoryOf(const TText& path) {
  const std::string& p = path.Bytes;
  size_t i = LastOf(p, "\\/:");
  if (i > 1 && p[i - 1] != ':' && !IsSeparator(p[i - 2])) --i;
  return TText{p.substr(0, i), path.CodePage};
}

TText FileNameOf(const TText& path) {
  return TText{path.Bytes.substr(LastOf(path.Bytes, "\\/:")), path.CodePage};
}

TText ExtensionOf(const TText& path) {
  const std::string& p = path.Bytes;
  size_t i = LastOf(p, "\\/:.");
  if (i == 0 || p[i - 1] != '.') return TText{"", path.CodePage};
  if (i == 1 || p[i - 2] == '\\' || p[i - 2] == '/') return TText{"", path.CodePage};
  return TText{p.substr(i - 1), path.CodePage};
}
