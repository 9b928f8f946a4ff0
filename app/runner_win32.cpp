// The command runner's Windows side: the system's CMD.EXE started with its output in a named pipe
// of its own, the pipe read overlapped while the interpreter runs, so that the one thread wakes
// the moment data arrives or the interpreter ends, then the pipe's last bytes read without waiting.
#include <algorithm>
#include <new>
#include <string>

#include "app/runner.h"
#include "core/codepage.h"
#include "core/process.h"
#include "core/win32.h"

namespace {

/// A HANDLE closed when its holder goes; NULL and INVALID_HANDLE_VALUE hold nothing.
class TOwnedHandle {
 public:
  explicit TOwnedHandle(HANDLE handle = nullptr) : Handle(handle) {}
  ~TOwnedHandle() { Close(); }
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;

  HANDLE Get() const { return Handle; }
  bool Valid() const { return Handle != nullptr && Handle != INVALID_HANDLE_VALUE; }
  void Close() {
    if (Valid()) CloseHandle(Handle);
    Handle = nullptr;
  }

 private:
  HANDLE Handle;
};

/// Keeps one of the tool's own handles out of the processes it starts while the holder lives: its
/// inherit flag is cleared, and set again when the holder goes. Holds nothing for a handle that
/// was not inheritable (or is none).
class TInheritanceWithheld {
 public:
  explicit TInheritanceWithheld(HANDLE handle) {
    DWORD flags = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE &&
        GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT) != 0 &&
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0)) {
      Handle = handle;
    }
  }
  ~TInheritanceWithheld() {
    if (Handle != nullptr) SetHandleInformation(Handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  }
  TInheritanceWithheld(const TInheritanceWithheld&) = delete;
  TInheritanceWithheld& operator=(const TInheritanceWithheld&) = delete;

 private:
  HANDLE Handle = nullptr;
};

// The pipe's buffer sizes. Windows holds a writer to them, so the command waits in its writes
// while the pipe is full: hence the read kept pending at all times.
constexpr DWORD PipeBufferSize = 1024;

// At most this many reads once the interpreter has ended: the bytes it left in the pipe, and what
// processes it started have written meanwhile; anything later is not waited for.
constexpr int FinalReads = 250;

// Where every read goes, to be appended to the capture buffer (the copy costs far less than the
// read). Static, so that draining after memory has run out needs none; the runner has one thread
// and one run at a time.
char ReadArea[65536];

// Numbers the runs of this process, for a pipe name no other run has.
uint32_t RunCounter = 0;

TRunResultRec FailedStart(const char* step, DWORD error, int32_t commandExitStatus) {
  TRunResultRec result;
  result.CommandExitStatus = commandExitStatus;
  result.ErrorCode = error;
  result.FailedStep = AnsiText(step);
  return result;
}

/// One overlapped read kept pending on the tool's end of the pipe, into ReadArea.
struct TPipeReaderRec {
  HANDLE Pipe = nullptr;
  OVERLAPPED Overlapped = {};
  bool Pending = false;
  /// Every process holding the command's end has closed it: nothing more can come.
  bool Broken = false;
  TCaptureBufferRec Buffer;
};

void Account(TPipeReaderRec& reader, DWORD count) {
  AppendCaptured(reader.Buffer, std::string_view(ReadArea, count));
}

enum class TReadStart { Completed, Pending, Broken, Failed };

// Starts a read of at most `wanted` bytes (and at most ReadArea's size). A read that completes
// at once is accounted here.
TReadStart StartRead(TPipeReaderRec& reader, DWORD wanted) {
  DWORD size = std::min<DWORD>(wanted, sizeof ReadArea);
  if (ReadFile(reader.Pipe, ReadArea, size, nullptr, &reader.Overlapped)) {
    DWORD count = 0;
    GetOverlappedResult(reader.Pipe, &reader.Overlapped, &count, FALSE);
    Account(reader, count);
    return TReadStart::Completed;
  }
  switch (GetLastError()) {
    case ERROR_IO_PENDING:
      reader.Pending = true;
      return TReadStart::Pending;
    case ERROR_BROKEN_PIPE:
      reader.Broken = true;
      return TReadStart::Broken;
    default:
      return TReadStart::Failed;
  }
}

// Takes the result of the pending read; wait says whether to wait for it. False when the read
// failed (Broken set when the failure is the pipe's end).
bool FinishRead(TPipeReaderRec& reader, bool wait) {
  DWORD count = 0;
  bool ok = GetOverlappedResult(reader.Pipe, &reader.Overlapped, &count, wait ? TRUE : FALSE);
  if (!ok && GetLastError() == ERROR_BROKEN_PIPE) reader.Broken = true;
  reader.Pending = false;
  Account(reader, count);
  return ok;
}

// Reads what the pipe holds, at most maxReads times, each for what PeekNamedPipe reports, so
// that no read waits.
void ReadAvailable(TPipeReaderRec& reader, int maxReads) {
  for (int i = 0; i < maxReads; ++i) {
    DWORD available = 0;
    if (!PeekNamedPipe(reader.Pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) {
      return;
    }
    if (StartRead(reader, available) == TReadStart::Pending) FinishRead(reader, true);
  }
}

// Collects the output until the interpreter has ended, then empties the pipe.
void Collect(TPipeReaderRec& reader, HANDLE process) {
  for (;;) {
    DWORD result;
    if (!reader.Pending && !reader.Broken) {
      TReadStart start = StartRead(reader, MAXDWORD);
      if (start == TReadStart::Completed || start == TReadStart::Failed) {
        // After a read that completed at once, only a look at the process, then the next read;
        // after a failed one, a short wait before trying again.
        result = WaitForSingleObject(process, start == TReadStart::Completed ? 0 : 10);
        if (result == WAIT_TIMEOUT) continue;
        break;
      }
    }
    if (reader.Pending) {
      // The process comes first: were the pipe first, a process the interpreter started that
      // writes without pause would keep the end from being seen.
      HANDLE waits[2] = {process, reader.Overlapped.hEvent};
      result = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    } else {
      result = WaitForSingleObject(process, INFINITE);  // the pipe has ended
    }
    if (result != WAIT_OBJECT_0 + 1) break;
    if (!FinishRead(reader, false) && !reader.Broken &&
        WaitForSingleObject(process, 10) != WAIT_TIMEOUT) {
      break;  // a failed read, then a short wait as above
    }
  }
  // Here the process has ended (or, with valid handles never, a wait failed: ending the run
  // beats a loop that spins).
  if (reader.Pending) {
    // A process the interpreter started may hold the pipe open for long; what the read got
    // before the cancel is kept.
    CancelIoEx(reader.Pipe, &reader.Overlapped);
    FinishRead(reader, true);
  }
  if (!reader.Broken) ReadAvailable(reader, FinalReads);
}

std::wstring WideText(const TText& text) {
  if (text.Empty()) return std::wstring();
  uint32_t codePage = ResolveCodePage(text.CodePage);
  int length = static_cast<int>(text.Length());
  int wide = MultiByteToWideChar(codePage, MultiByteFlagsFor(codePage), text.Bytes.data(), length,
                                 nullptr, 0);
  if (wide <= 0) return std::wstring();
  std::wstring result(wide, L'\0');
  MultiByteToWideChar(codePage, MultiByteFlagsFor(codePage), text.Bytes.data(), length,
                      result.data(), wide);
  return result;
}

TRunResultRec StartAndCollect(const TText& commandLine, int32_t commandExitStatus,
                              uint64_t captureLimit) {
  // CreateProcessW may write into its command line: a buffer of our own, NUL-ended.
  std::wstring processCommandLine = WideText(InterpreterCommandLine(commandLine));
  if (processCommandLine.empty()) {
    return FailedStart("MultiByteToWideChar", GetLastError(), commandExitStatus);
  }
  // Windows refuses a longer line with this error; Wine starts the process with the line cut to
  // the limit, which would run another command than the one reported. Refused here either way.
  if (processCommandLine.size() > ProcessCommandLineLimit) {
    return FailedStart("CreateProcessW", ERROR_FILENAME_EXCED_RANGE, commandExitStatus);
  }

  // The system's interpreter, by its full path: without one, CreateProcessW would look in the
  // tool's folder and the current directory first, and run any CMD.EXE found there.
  wchar_t systemDirectory[MAX_PATH];
  UINT directoryLength = GetSystemDirectoryW(systemDirectory, MAX_PATH);
  if (directoryLength == 0 || directoryLength >= MAX_PATH) {
    return FailedStart("GetSystemDirectoryW", GetLastError(), commandExitStatus);
  }
  std::wstring interpreter = std::wstring(systemDirectory, directoryLength) + L"\\cmd.exe";

  // One instance, and only if the name is new: a pipe someone else made under the name is never
  // joined.
  std::wstring pipeName = L"\\\\.\\pipe\\chronex-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(++RunCounter);
  SECURITY_ATTRIBUTES notInherited = {sizeof notInherited, nullptr, FALSE};
  TOwnedHandle readEnd(CreateNamedPipeW(
      pipeName.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
      PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
      PipeBufferSize, PipeBufferSize, 0, &notInherited));
  if (!readEnd.Valid()) return FailedStart("CreateNamedPipeW", GetLastError(), commandExitStatus);

  // The command's end: inherited, synchronous; FILE_READ_ATTRIBUTES lets the command ask what
  // its standard output is.
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  TOwnedHandle writeEnd(CreateFileW(pipeName.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0,
                                    &inherited, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!writeEnd.Valid()) return FailedStart("CreateFileW", GetLastError(), commandExitStatus);

  TOwnedHandle readDone(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!readDone.Valid()) return FailedStart("CreateEventW", GetLastError(), commandExitStatus);

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = StdInputHandle;
  startup.hStdOutput = writeEnd.Get();
  startup.hStdError = writeEnd.Get();
  SECURITY_ATTRIBUTES processAttributes = {sizeof processAttributes, nullptr, FALSE};
  SECURITY_ATTRIBUTES threadAttributes = {sizeof threadAttributes, nullptr, FALSE};
  PROCESS_INFORMATION started = {};
  BOOL ok;
  DWORD startError;
  {
    // The command's output goes only into the pipe. The tool's own standard output and error,
    // inherited, would be held open by any process the command leaves running, and whoever reads
    // the tool's output would wait for that process's end. Its standard input stays inheritable:
    // that is the command's too.
    TInheritanceWithheld output(StdOutputHandle != StdInputHandle ? StdOutputHandle : nullptr);
    TInheritanceWithheld error(StdErrorHandle != StdInputHandle ? StdErrorHandle : nullptr);
    ok = CreateProcessW(interpreter.c_str(), processCommandLine.data(), &processAttributes,
                        &threadAttributes, TRUE,
                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &started);
    startError = GetLastError();
  }
  // Only the command may hold its end now, so that the pipe ends when the command's side is done.
  writeEnd.Close();
  if (!ok) return FailedStart("CreateProcessW", startError, commandExitStatus);
  TOwnedHandle process(started.hProcess);
  TOwnedHandle thread(started.hThread);

  TPipeReaderRec reader;
  reader.Pipe = readEnd.Get();
  reader.Overlapped.hEvent = readDone.Get();
  reader.Buffer.Limit = captureLimit;
  Collect(reader, process.Get());

  TRunResultRec result;
  result.Started = true;
  // The end is the signalled process handle, so an exit code of 259 (STILL_ACTIVE) is a status
  // like any other here.
  DWORD exitCode = 0;
  result.CommandExitStatus = GetExitCodeProcess(process.Get(), &exitCode)
                                 ? static_cast<int32_t>(exitCode)
                                 : commandExitStatus;
  result.OutputCut = reader.Buffer.Discarded > 0;
  result.BytesKept = reader.Buffer.Bytes.size();
  result.BytesDiscarded = reader.Buffer.Discarded;
  result.CapturedOutput = TakeCapturedOutput(reader.Buffer);
  return result;
}

}  // namespace

TRunResultRec RunCommandCaptured(const TText& commandLine, int32_t commandExitStatus,
                                 uint64_t captureLimit) {
  // Only the start allocates, besides the capture buffer, which takes a refusal as the end of the
  // capture: memory refused here is a start that failed.
  try {
    return StartAndCollect(commandLine, commandExitStatus, captureLimit);
  } catch (const std::bad_alloc&) {
    return FailedStart("memory", ERROR_NOT_ENOUGH_MEMORY, commandExitStatus);
  }
}

TText WindowsErrorMessage(uint32_t errorCode) {
  char* message = nullptr;
  DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                     nullptr, errorCode, 0, reinterpret_cast<char*>(&message), 0, nullptr);
  std::string text(message != nullptr ? message : "", message != nullptr ? length : 0);
  if (message != nullptr) LocalFree(message);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n')) {
    text.pop_back();
  }
  return AnsiText(text);
}
