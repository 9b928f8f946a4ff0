// The portable half of the command runner: the interpreter's command line and the capture
// buffer's growth.
#include "app/runner.h"

#include <algorithm>
#include <new>

TText QuoteIfBlank(const TText& text) {
  if (text.Bytes.find(' ') == std::string::npos || text.Bytes.find('"') != std::string::npos) {
    return text;
  }
  return TText{'"' + text.Bytes + '"', text.CodePage};
}

TText ComposeProcessCommandLine(const TText& executable, const std::vector<TText>& parameters) {
  std::string line = QuoteIfBlank(executable).Bytes;
  for (const TText& parameter : parameters) {
    line += ' ';
    line += QuoteIfBlank(parameter).Bytes;
  }
  return AnsiText(line);
}

TText InterpreterCommandLine(const TText& commandLine) {
  return ComposeProcessCommandLine(AnsiText("CMD.EXE"), {AnsiText("/C"), commandLine});
}

uint64_t GrownCapacity(uint64_t capacity, uint64_t wanted, uint64_t limit) {
  auto saturatingAdd = [](uint64_t a, uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
  };
  uint64_t target = saturatingAdd(capacity, std::max(wanted, CaptureGrowthStep));
  target = std::max(target, saturatingAdd(capacity, capacity));
  return std::max(capacity, std::min(target, limit));
}

size_t MakeCaptureRoom(TCaptureBufferRec& buffer, uint64_t wanted) {
  if (buffer.Used < buffer.Storage.size()) return buffer.Storage.size() - buffer.Used;
  if (buffer.Exhausted) return 0;
  uint64_t capacity = GrownCapacity(buffer.Storage.size(), wanted, buffer.Limit);
  // A size the string cannot hold (beyond a 32-bit process's reach) is refused like memory.
  if (capacity == buffer.Storage.size() || capacity > buffer.Storage.max_size()) {
    buffer.Exhausted = true;
    return 0;
  }
  try {
    buffer.Storage.resize(static_cast<size_t>(capacity));
  } catch (const std::bad_alloc&) {
    // resize leaves the string as it was: what was captured stays.
    buffer.Exhausted = true;
    return 0;
  }
  return buffer.Storage.size() - buffer.Used;
}

void KeepCaptured(TCaptureBufferRec& buffer, size_t count) {
  buffer.Used += std::min(count, buffer.Storage.size() - buffer.Used);
}

void DiscardCaptured(TCaptureBufferRec& buffer, uint64_t count) { buffer.Discarded += count; }

TText TakeCapturedOutput(TCaptureBufferRec& buffer) {
  buffer.Storage.resize(buffer.Used);
  TText output{std::move(buffer.Storage), CodePageAnsi};
  buffer.Storage = std::string();
  buffer.Used = 0;
  return output;
}
