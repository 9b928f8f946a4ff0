// The Windows side of code pages: conversion through UTF-16 and the ANSI upper-casing.
#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/win32.h"

std::string ConvertCodePage(std::string_view bytes, uint32_t from, uint32_t to) {
  if (bytes.empty()) return std::string();
  int length = static_cast<int>(bytes.size());
  int wide = MultiByteToWideChar(from, MultiByteFlagsFor(from), bytes.data(), length, nullptr, 0);
  if (wide <= 0) return std::string();
  std::vector<wchar_t> utf16(wide);
  MultiByteToWideChar(from, MultiByteFlagsFor(from), bytes.data(), length, utf16.data(), wide);
  int narrow = WideCharToMultiByte(to, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return std::string();
  std::string out(narrow, '\0');
  WideCharToMultiByte(to, 0, utf16.data(), wide, out.data(), narrow, nullptr, nullptr);
  return out;
}

void UpperCaseAnsi(std::string& bytes) {
  if (!bytes.empty()) CharUpperBuffA(bytes.data(), static_cast<DWORD>(bytes.size()));
}
