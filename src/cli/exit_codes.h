#pragma once
// The exit codes of qv318ctl; --help lists them, scripts rely on them.
namespace qv::cli {

enum class ExitCode : int {
  Ok = 0,
  Usage = 1,        // the arguments are not a command, or ask what the mouse cannot hold
  File = 2,         // a file could not be read or written, or a backup was refused
  NoMouse = 3,      // no mouse found, or it could not be opened
  ReadFailed = 4,   // the mouse did not answer a read completely; nothing was written
  WriteFailed = 5,  // a write did not reach the mouse completely
  Mismatch = 6,     // the read-back after a write differs, or could not be made
};

inline int ToInt(ExitCode code) { return static_cast<int>(code); }

}  // namespace qv::cli
