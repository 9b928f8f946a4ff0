// Native stand-in for the Windows code-page calls, so that the portable code can be built and
// tested off Windows. It knows code page 1252 (the ANSI code page of the native build) and UTF-8;
// any other pair of code pages passes the bytes through unchanged.
#include <cstdint>
#include <string>

#include "core/codepage.h"

namespace {

// Code page 1252 at 0x80..0x9F; the five holes map to the C1 controls, as Windows does.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::u32string Decode(std::string_view bytes, uint32_t from) {
  std::u32string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (from == 65001 && c >= 0xC0) {
      int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
      char32_t cp = c & (0x3F >> extra);
      for (int k = 0; k < extra && i + 1 < bytes.size(); ++k) {
        cp = (cp << 6) | (static_cast<unsigned char>(bytes[++i]) & 0x3F);
      }
      out.push_back(cp);
    } else if (from == 1252 && c >= 0x80 && c < 0xA0) {
      out.push_back(kCp1252High[c - 0x80]);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string Encode(const std::u32string& chars, uint32_t to) {
  std::string out;
  for (char32_t cp : chars) {
    if (to == 65001) {
      if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
      } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
      } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
      } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
      }
      continue;
    }
    char byte = '?';
    if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) {
      byte = static_cast<char>(cp);
    } else {
      for (int k = 0; k < 32; ++k) {
        if (kCp1252High[k] == cp) byte = static_cast<char>(0x80 + k);
      }
    }
    out.push_back(byte);
  }
  return out;
}

bool Known(uint32_t codePage) { return codePage == 1252 || codePage == 65001; }

}  // namespace

std::string ConvertCodePage(std::string_view bytes, uint32_t from, uint32_t to) {
  if (from == to || !Known(from) || !Known(to)) return std::string(bytes);
  return Encode(Decode(bytes, from), to);
}

void UpperCaseAnsi(std::string& bytes) {
  // Code page 1252's letters: a-z, the accented letters from 0xE0 (but the division sign 0xF7),
  // and the four letters of 0x80..0x9F whose capitals also lie there.
  for (char& ch : bytes) {
    unsigned char c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
      c = static_cast<unsigned char>(c - 0x20);
    } else if (c == 0x9A || c == 0x9C || c == 0x9E) {
      c = static_cast<unsigned char>(c - 0x10);
    } else if (c == 0xFF) {
      c = 0x9F;
    }
    ch = static_cast<char>(c);
  }
}
