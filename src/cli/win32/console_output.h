#pragma once
// qv318ctl's output. The core writes UTF-8; a console would show those bytes in its own
// code page (the OEM one: 437, 850, 936...) and garble every character beyond ASCII, such
// as those of a file name, so to a console the text goes as UTF-16 through WriteConsoleW.
// To a pipe or a file it stays UTF-8, byte for byte what the Linux program writes, with
// "\n" line ends: what scripts read on Windows (cmd's for /f, PowerShell, Python, every JSON
// reader) takes either line end, while a "\r" would stay in every value a Unix shell on
// Windows (Git Bash, MSYS, WSL) reads, and a dump saved on one system compares equal with
// one saved on the other.
#include <windows.h>

#include <memory>
#include <ostream>

namespace qv::cli {

class ConsoleOutput {
 public:
  // `standardHandle`: STD_OUTPUT_HANDLE or STD_ERROR_HANDLE; `redirected` is the stream
  // used when the process has no such handle.
  ConsoleOutput(DWORD standardHandle, std::ostream& redirected);
  ~ConsoleOutput();
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;

  std::ostream& Stream() { return console_ ? *console_ : redirected_; }

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer_;
  std::unique_ptr<std::ostream> console_;
  std::ostream& redirected_;
};

}  // namespace qv::cli
