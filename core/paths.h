// Cutting a path text into its directory, its file name and its extension.
#ifndef CHRONEX_CORE_PATHS_H_
#define CHRONEX_CORE_PATHS_H_

#include "core/text.h"

/// The path up to its last "\", "/" or ":", without a trailing separator except after a drive
/// colon or when the separator is all there is: C:\Tools\t.exe gives C:\Tools, C:\t.exe gives
/// C:\, \t.exe gives \; empty when the path holds no separator.
TText DirectoryOf(const TText& path);

/// The bytes after the path's last "\", "/" or ":"; the whole path when it holds none.
TText FileNameOf(const TText& path);

/// The extension, dot included, as written: the bytes from the last "." when no separator
/// follows it; empty when there is none or the dot begins the file name (".exe" has none).
TText ExtensionOf(const TText& path);

#endif  // CHRONEX_CORE_PATHS_H_
