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
  // After /C, CMD.EXE takes off the first and the last quote of a line that begins with one,
  // unless the line holds just two, around the name of a program. A line that begins with a quote
  // and holds more ("C:\My Tools\t.exe" "a b") would lose two of its own: it gets a pair to lose.
  const std::string& line = commandLine.Bytes;
  bool wouldLoseQuotes =
      !line.empty() && line[0] == '"' && std::count(line.begin(), line.end(), '"') > 2;
  TText parameter = commandLine;
  if (wouldLoseQuotes) parameter.Bytes = '"' + line + '"';
  return ComposeProcessCommandLine(AnsiText("CMD.EXE"), {AnsiText("/C"), parameter});
}

uint64_t GrownCapacity(uint64_t capacity, uint64_t wanted, uint64_t limit) {
  auto saturatingAdd = [](uint64_t a, uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
  };
  uint64_t target = saturatingAdd(capacity, std::max(wanted, CaptureGrowthStep));
  target = std::max(target, saturatingAdd(capacity, capacity));
  return std::max(capacity, std::min(target, limit));
}

bool GrowCapture(TCaptureBufferRec& buffer, uint64_t wanted) {
  uint64_t capacity = GrownCapacity(buffer.Bytes.capacity(), wanted, buffer.Limit);
  if (capacity > buffer.Bytes.max_size()) return false;
  try {
    buffer.Bytes.reserve(static_cast<size_t>(capacity));
  } catch (const std::bad_alloc&) {
    return false;  // reserve leaves the string as it was
  }
  return true;
}

void AppendCaptured(TCaptureBufferRec& buffer, std::string_view bytes) {
  std::string& kept = buffer.Bytes;
  if (bytes.size() > kept.capacity() - kept.size() && !GrowCapture(buffer, bytes.size())) {
    buffer.Limit = std::min<uint64_t>(buffer.Limit, kept.capacity());
  }
  // Once a byte is dropped the buffer is at its limit, so every later one is dropped too: the
  // capture is always the start of the output.
  size_t fits = static_cast<size_t>(std::min<uint64_t>(bytes.size(), buffer.Limit - kept.size()));
  kept.append(bytes.data(), fits);
  buffer.Discarded += bytes.size() - fits;
}

TText TakeCapturedOutput(TCaptureBufferRec& buffer) {
  TText output{std::move(buffer.Bytes), CodePageAnsi};
  buffer.Bytes = std::string();
  return output;
}
