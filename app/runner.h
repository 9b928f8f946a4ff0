// Running the command through the command interpreter and capturing what it writes. This header
// holds the portable half (the interpreter's command line, the capture buffer and its growth) and
// declares the Windows half, which runner_win32.cpp implements.
#ifndef CHRONEX_APP_RUNNER_H_
#define CHRONEX_APP_RUNNER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"

/// The text wrapped in double quotes when it holds a blank (byte 32) and no double quote (byte
/// 34); the text unchanged otherwise. A tab is no blank, and nothing inside is escaped. Not the
/// same rule as QuoteIfNeeded: an empty text stays empty, a semicolon causes no quoting.
TText QuoteIfBlank(const TText& text);

/// The command line for CreateProcessW: QuoteIfBlank of the executable, then for each parameter
/// in order a blank and QuoteIfBlank of the parameter. The texts are ANSI, and so is the result.
TText ComposeProcessCommandLine(const TText& executable, const std::vector<TText>& parameters);

/// The command line that runs commandLine through the interpreter: CMD.EXE with the two
/// parameters /C and commandLine. The interpreter takes everything after /C as its command and
/// removes one pair of outer quotes, so a line with a blank is wrapped (CMD.EXE /C "dir \") and
/// comes out exactly as given; a line that holds a double quote is passed as it is, but for one
/// that begins with a quote and holds more than two, which is wrapped as well.
TText InterpreterCommandLine(const TText& commandLine);

/// The most characters the interpreter's command line may have (in UTF-16), the NUL that ends it
/// aside: the limit of CreateProcessW.
constexpr size_t ProcessCommandLineLimit = 32766;

/// The least amount by which the capture buffer grows.
constexpr uint64_t CaptureGrowthStep = 65536;

/// A capture limit for real use: far beyond any output worth a report. A 32-bit process may be
/// refused the memory before the buffer gets there, which cuts the output the same way.
constexpr uint64_t DefaultCaptureLimit = uint64_t{1} << 30;

/// The bytes captured from the command: the first ones written, never more than Limit; every
/// byte after them is dropped and only counted, in Discarded.
struct TCaptureBufferRec {
  std::string Bytes;
  /// The most bytes kept. Lowered to the capacity there is when memory is refused.
  uint64_t Limit = DefaultCaptureLimit;
  uint64_t Discarded = 0;
};

/// The capacity to grow a buffer to when `wanted` more bytes do not fit: at least capacity +
/// wanted and capacity + CaptureGrowthStep, and at least twice the capacity, so that n bytes of
/// output cost O(n) copying in all; never above limit, and so equal to capacity when the limit
/// leaves no room. Saturates instead of overflowing.
uint64_t GrownCapacity(uint64_t capacity, uint64_t wanted, uint64_t limit);

/// Grows the buffer's capacity to GrownCapacity for `wanted` more bytes. False, the buffer
/// unchanged, when memory is refused, or the size is more than a string can hold (more than a
/// 32-bit process can reach).
bool GrowCapture(TCaptureBufferRec& buffer, uint64_t wanted);

/// Appends what fits of the bytes read, growing the capacity when they do not fit; when memory is
/// refused, the capture ends where the capacity there is ends. What does not fit is counted as
/// discarded, and so is everything after it.
void AppendCaptured(TCaptureBufferRec& buffer, std::string_view bytes);

/// The captured bytes as an ANSI text, taken out of the buffer (which is left empty).
TText TakeCapturedOutput(TCaptureBufferRec& buffer);

/// What one run of the command gave.
struct TRunResultRec {
  /// The bytes the command wrote to standard output and standard error, merged in the order
  /// written, unchanged (NUL bytes included); ANSI. Empty when nothing was written or the start
  /// failed.
  TText CapturedOutput;
  /// The interpreter's exit code, its 32 bits taken as a signed number; the value the caller
  /// passed in when the start failed.
  int32_t CommandExitStatus = 0;
  /// Whether the interpreter was started; when not, the next two say why.
  bool Started = false;
  /// The Windows error code of the step that failed (WindowsErrorMessage gives its text).
  uint32_t ErrorCode = 0;
  /// The Windows call that failed, e.g. "CreateProcessW"; "memory" when memory was refused.
  TText FailedStep;
  /// Whether output was dropped: the command wrote more than the capture limit, or more than
  /// memory would hold. CapturedOutput then holds the first BytesKept bytes.
  bool OutputCut = false;
  uint64_t BytesKept = 0;
  /// The bytes read after the cut and dropped.
  uint64_t BytesDiscarded = 0;
};

/// Runs commandLine (ANSI) through the system's own CMD.EXE /C, with the tool's standard input,
/// and both its output streams into one pipe, and returns once the interpreter has ended: what it
/// wrote and its exit status. Keeps at most captureLimit bytes of output; the rest is read and
/// dropped, so the command never waits on a full pipe. Returns at once when the start fails,
/// with commandExitStatus unchanged and the failure's step and error code; an interpreter's line
/// longer than ProcessCommandLineLimit fails as CreateProcessW fails it on Windows (error 206).
/// Processes the interpreter starts are not waited for: what they write after the interpreter has
/// ended and the pipe has been emptied is lost. Throws nothing; every handle of the run is closed
/// on return.
TRunResultRec RunCommandCaptured(const TText& commandLine, int32_t commandExitStatus,
                                 uint64_t captureLimit);

/// The system's message text for a Windows error code, on one line, with trailing blanks
/// removed; ANSI. Empty when the system has no text for the code.
TText WindowsErrorMessage(uint32_t errorCode);

#endif  // CHRONEX_APP_RUNNER_H_
