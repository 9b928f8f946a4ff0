// A command for the runner's tests: it carries out its arguments in order.
//
//   out:HEX        writes the bytes to standard output       err:HEX   the same, standard error
//   pattern:N      writes N bytes of the test pattern to standard output, in 65536-byte writes
//   lines:N        writes the lines "1" to "N", each with CR LF, one write a line
//   cmdline        writes its own command line (GetCommandLineA) to standard output
//   pad:ANY        does nothing: it makes a command line as long as a test needs
//   cat            copies standard input to standard output until its end
//   sleep:MS       waits MS milliseconds
//   spawn:ARGS     starts emit.exe again with ARGS (commas become blanks), inheriting the standard
//                  handles, and does not wait for it
//   exit:N         ends with exit code N (0 to 4294967295)
//
// The pattern is made of 65536-byte blocks: the block's number (4 bytes, little-endian), then
// bytes of a fixed pseudo-random sequence (x = x * 1103515245 + 12345 from x = 1, the top 8 bits
// of each x), so that a lost, doubled or reordered piece shows. harness.py builds the same bytes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Write(DWORD which, const char* data, size_t size) {
  HANDLE handle = GetStdHandle(which);
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(handle, data, static_cast<DWORD>(size), &written, nullptr)) ExitProcess(200);
    data += written;
    size -= written;
  }
}

std::string FromHex(const char* hex) {
  std::string out;
  for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
    char pair[3] = {hex[i], hex[i + 1], 0};
    out.push_back(static_cast<char>(std::strtoul(pair, nullptr, 16)));
  }
  return out;
}

void WritePattern(unsigned long long total) {
  static char block[65536];
  unsigned x = 1;
  for (size_t i = 4; i < sizeof block; ++i) {
    x = x * 1103515245u + 12345u;
    block[i] = static_cast<char>(x >> 24);
  }
  for (unsigned number = 0; total > 0; ++number) {
    std::memcpy(block, &number, 4);
    size_t size = total < sizeof block ? static_cast<size_t>(total) : sizeof block;
    Write(STD_OUTPUT_HANDLE, block, size);
    total -= size;
  }
}

void WriteLines(unsigned long count) {
  char line[16];
  for (unsigned long i = 1; i <= count; ++i) {
    int size = std::snprintf(line, sizeof line, "%lu\r\n", i);
    Write(STD_OUTPUT_HANDLE, line, static_cast<size_t>(size));
  }
}

void Cat() {
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), chunk, sizeof chunk, &got, nullptr) && got > 0) {
    Write(STD_OUTPUT_HANDLE, chunk, got);
  }
}

void Spawn(const char* args) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string line = std::string("\"") + self + "\" " + args;
  for (char& c : line) {
    if (c == ',') c = ' ';
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    ExitProcess(201);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* colon = std::strchr(arg, ':');
    std::string verb = colon ? std::string(arg, colon - arg) : std::string(arg);
    const char* value = colon ? colon + 1 : "";
    if (verb == "out") {
      std::string bytes = FromHex(value);
      Write(STD_OUTPUT_HANDLE, bytes.data(), bytes.size());
    } else if (verb == "err") {
      std::string bytes = FromHex(value);
      Write(STD_ERROR_HANDLE, bytes.data(), bytes.size());
    } else if (verb == "pattern") {
      WritePattern(std::strtoull(value, nullptr, 10));
    } else if (verb == "lines") {
      WriteLines(std::strtoul(value, nullptr, 10));
    } else if (verb == "cmdline") {
      const char* line = GetCommandLineA();
      Write(STD_OUTPUT_HANDLE, line, std::strlen(line));
    } else if (verb == "pad") {
      // only there to lengthen the command line
    } else if (verb == "cat") {
      Cat();
    } else if (verb == "sleep") {
      Sleep(std::strtoul(value, nullptr, 10));
    } else if (verb == "spawn") {
      Spawn(value);
    } else if (verb == "exit") {
      ExitProcess(std::strtoul(value, nullptr, 10));
    } else {
      return 202;
    }
  }
  return 0;
}
