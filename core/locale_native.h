// The native build's locale: item number -> value, for the stand-in lookups of locale.h.
#ifndef CHRONEX_CORE_LOCALE_NATIVE_H_
#define CHRONEX_CORE_LOCALE_NATIVE_H_

#include <cstdint>
#include <map>
#include <string>

#include "core/locale.h"

extern std::map<uint32_t, std::string> NativeLocaleTable;

#endif  // CHRONEX_CORE_LOCALE_NATIVE_H_
