// What Windows knows about code pages, as the core library needs it: the process's ANSI and OEM
// code pages, conversion of bytes from one code page to another, and the ANSI upper-casing.
// The Windows build implements these with Win32 calls (codepage_win32.cpp); the native build has
// a small stand-in (codepage_native.cpp) that knows code pages 1252 and 65001.
#ifndef CHRONEX_CORE_CODEPAGE_H_
#define CHRONEX_CORE_CODEPAGE_H_

#include <cstdint>
#include <string>
#include <string_view>

/// The ANSI and OEM code pages (GetACP and GetOEMCP), set once by process start-up.
extern uint32_t AnsiCodePage;
extern uint32_t OemCodePage;

/// A code page tag made a real code page number: 0 is AnsiCodePage, 1 OemCodePage.
uint32_t ResolveCodePage(uint32_t tag);

/// The flags for turning bytes of this code page into UTF-16: MB_PRECOMPOSED (1), except for
/// the code pages that refuse every flag (42, the ISO-2022 and ISCII pages, UTF-7, UTF-8).
uint32_t MultiByteFlagsFor(uint32_t codePage);

/// The bytes, taken in code page `from`, converted through UTF-16 to code page `to`; characters
/// that `to` lacks follow the system's replacement rules. Both are real code page numbers.
std::string ConvertCodePage(std::string_view bytes, uint32_t from, uint32_t to);

/// Upper-cases the bytes in place as the Windows ANSI upper-casing does (CharUpperBuffA); the
/// length never changes.
void UpperCaseAnsi(std::string& bytes);

#endif  // CHRONEX_CORE_CODEPAGE_H_
