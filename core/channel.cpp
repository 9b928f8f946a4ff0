// The channels' buffering and hand-over decisions; the hand-over itself is the platform's.
#include "core/channel.h"

#include <cstring>
#include <string>

#include "core/codepage.h"
#include "core/unhandled_error.h"

TChannelRec OutChannel;
TChannelRec InfoChannel;

namespace {

// The caller's code address is what the unhandled-error report names; noinline keeps the
// return address that of the write operation's caller chain, not of an inlined copy.
[[gnu::noinline]] void HandOverHeld(TChannelRec& channel) {
  uintptr_t address = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
  THandOverFunction handOver = channel.HandOver ? channel.HandOver : HandOverToHandle;
  uint32_t systemError = 0;
  size_t count = channel.Held;
  channel.Held = 0;  // empty afterwards, whatever the outcome
  if (!handOver(channel.Handle, channel.Buffer, count, &systemError)) {
    RaiseIoError(address, IoErrorWriteFailed, channel.Name, systemError);
  }
}

void Append(TChannelRec& channel, const char* bytes, size_t n) {
  size_t room = ChannelBufferSize - channel.Held;
  while (n > room) {
    std::memcpy(channel.Buffer + channel.Held, bytes, room);
    channel.Held = ChannelBufferSize;
    bytes += room;
    n -= room;
    HandOverHeld(channel);
    room = ChannelBufferSize;
  }
  std::memcpy(channel.Buffer + channel.Held, bytes, n);
  channel.Held += n;
}

}  // namespace

void BindChannel(TChannelRec& channel, void* handle, uint32_t codePage, const char* name) {
  channel.Handle = handle;
  channel.CodePage = codePage;
  channel.Held = 0;
  channel.FlushAtLineEnd = true;
  channel.Name = name;
}

void WriteText(TChannelRec& channel, const TText& text) {
  if (text.Empty()) return;
  uint32_t from = ResolveCodePage(text.CodePage);
  uint32_t to = ResolveCodePage(channel.CodePage);
  if (from == to) {
    Append(channel, text.Bytes.data(), text.Bytes.size());
  } else {
    std::string converted = ConvertCodePage(text.Bytes, from, to);
    Append(channel, converted.data(), converted.size());
  }
}

void WriteLiteral(TChannelRec& channel, std::string_view literal) {
  Append(channel, literal.data(), literal.size());
}

void WriteChar(TChannelRec& channel, char c) { Append(channel, &c, 1); }

void WriteInteger(TChannelRec& channel, int32_t value) {
  std::string digits = std::to_string(value);
  Append(channel, digits.data(), digits.size());
}

void EndLine(TChannelRec& channel) {
  Append(channel, "\r\n", 2);
  if (channel.FlushAtLineEnd) HandOverHeld(channel);
}
