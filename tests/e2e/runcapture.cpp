// A test program linked with chronex's real runner: it runs the command line held in a file
// through RunCommandCaptured and writes what came back, for the end-to-end tests and the
// benchmark:
//
//   runcapture.exe -cmdfile FILE [-limit BYTES] [-status N] [-handles 1]
//
// FILE holds the command line's bytes as they are (ANSI). -limit is the capture limit (the
// front end's default when absent); -status the exit status the caller holds before the run;
// -handles 1 counts the handles the run leaves open (see FreeHandleSlots; the benchmark leaves
// it out, for it costs a little).
// Standard output gets one "name=value" line (CR LF) for each field of the result, then an empty
// line, then the captured bytes, written in 256-byte pieces as the report's channel does.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/runner.h"
#include "core/process.h"
#include "core/win32.h"
#include "tests/e2e/cmdfile.h"

namespace {

void WriteAll(const std::string& bytes) {
  for (size_t at = 0; at < bytes.size(); at += 256) {
    DWORD written = 0;
    DWORD piece = static_cast<DWORD>(std::min<size_t>(256, bytes.size() - at));
    if (!WriteFile(StdOutputHandle, bytes.data() + at, piece, &written, nullptr)) ExitProcess(3);
  }
}

// The values the next 64 handles of the process would get, which are the lowest free slots of its
// handle table: a handle the run leaves open takes one of them. (Wine's GetProcessHandleCount
// always reports 0.) 64 is well beyond the handles one run holds at once.
std::set<uintptr_t> FreeHandleSlots() {
  std::vector<HANDLE> probes;
  for (int i = 0; i < 64; ++i) probes.push_back(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::set<uintptr_t> values;
  for (HANDLE probe : probes) {
    values.insert(reinterpret_cast<uintptr_t>(probe));
    CloseHandle(probe);
  }
  return values;
}

}  // namespace

int main(int argc, char** argv) {
  ProcessStartup();
  const char* cmdFile = nullptr;
  uint64_t limit = DefaultCaptureLimit;
  int32_t status = 0;
  bool countHandles = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "-cmdfile"))
      cmdFile = argv[i + 1];
    else if (!std::strcmp(argv[i], "-limit"))
      limit = std::strtoull(argv[i + 1], nullptr, 10);
    else if (!std::strcmp(argv[i], "-status"))
      status = static_cast<int32_t>(std::strtol(argv[i + 1], nullptr, 10));
    else if (!std::strcmp(argv[i], "-handles"))
      countHandles = !std::strcmp(argv[i + 1], "1");
  }
  std::string commandLine;
  if (!cmdFile || !ReadWholeFile(cmdFile, &commandLine)) {
    std::fprintf(stderr, "runcapture: no -cmdfile, or it cannot be read\n");
    return 2;
  }

  std::set<uintptr_t> freeBefore;
  if (countHandles) freeBefore = FreeHandleSlots();
  TRunResultRec run = RunCommandCaptured(AnsiText(commandLine), status, limit);
  size_t leftOpen = 0;
  if (countHandles) {
    std::set<uintptr_t> freeAfter = FreeHandleSlots();
    for (uintptr_t value : freeBefore) leftOpen += freeAfter.count(value) == 0 ? 1 : 0;
  }

  std::string report;
  auto field = [&report](const char* name, const std::string& value) {
    report += name;
    report += '=';
    report += value;
    report += "\r\n";
  };
  field("started", run.Started ? "1" : "0");
  field("status", std::to_string(run.CommandExitStatus));
  field("error", std::to_string(run.ErrorCode));
  field("step", run.FailedStep.Bytes);
  field("message", run.Started ? "" : WindowsErrorMessage(run.ErrorCode).Bytes);
  field("cut", run.OutputCut ? "1" : "0");
  field("kept", std::to_string(run.BytesKept));
  field("discarded", std::to_string(run.BytesDiscarded));
  if (countHandles) field("handles", std::to_string(leftOpen));
  report += "\r\n";
  WriteAll(report);
  WriteAll(run.CapturedOutput.Bytes);
  return 0;
}
