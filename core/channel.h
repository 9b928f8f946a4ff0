// The core library's two output channels, OutChannel (standard output) and InfoChannel
// (standard error): a 256-byte buffer per channel, CR LF line ends, and one hand-over to the
// handle at every line end and every full buffer, whatever the handle is (console, file, pipe).
// A hand-over that fails is I/O error 101, which ends the process with the unhandled-error
// report and exit code 217.
#ifndef CHRONEX_CORE_CHANNEL_H_
#define CHRONEX_CORE_CHANNEL_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text.h"

constexpr size_t ChannelBufferSize = 256;

/// Hands `count` bytes to a handle in one call. False when the hand-over failed, with the
/// system's error code in *systemError (0 for a short write that the system did not explain).
using THandOverFunction = bool (*)(void* handle, const char* bytes, size_t count,
                                   uint32_t* systemError);

struct TChannelRec {
  void* Handle = nullptr;
  /// The console output code page at process start (0, the ANSI code page, without a console).
  uint32_t CodePage = 0;
  char Buffer[ChannelBufferSize] = {};
  size_t Held = 0;
  bool FlushAtLineEnd = true;
  /// How bytes reach the handle: the platform's HandOverToHandle; tests put a recorder here.
  THandOverFunction HandOver = nullptr;
  /// Names the channel in the unhandled-error report.
  const char* Name = "";
};

extern TChannelRec OutChannel;
extern TChannelRec InfoChannel;

/// Binds a channel to a handle with an empty buffer, flushing at every line end.
void BindChannel(TChannelRec& channel, void* handle, uint32_t codePage, const char* name);

/// Appends the text, converted to the channel's code page when its tag names another one.
void WriteText(TChannelRec& channel, const TText& text);
/// Appends the bytes unchanged: the program's own literals.
void WriteLiteral(TChannelRec& channel, std::string_view literal);
void WriteChar(TChannelRec& channel, char c);
/// Appends the number in decimal: digits, a leading "-" when negative.
void WriteInteger(TChannelRec& channel, int32_t value);
/// Appends CR LF and hands everything held to the handle.
void EndLine(TChannelRec& channel);

/// The platform's hand-over: one WriteFile call. A short write counts as written only on a
/// console whose output code page is a Unicode one (1200, 1201, 12000, 12001, 65000, 65001).
bool HandOverToHandle(void* handle, const char* bytes, size_t count, uint32_t* systemError);

#endif  // CHRONEX_CORE_CHANNEL_H_
