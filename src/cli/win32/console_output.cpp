#include "cli/win32/console_output.h"

#include <streambuf>
#include <string>
#include <string_view>

#include "common/text.h"

namespace qv::cli {

// Collects the UTF-8 text and writes it a line at a time, since a line end never falls inside
// a character; what is left goes at a flush and at the end. To a console as UTF-16; to a pipe
// or a file the bytes themselves, past the C runtime, whose text mode would end each line
// with "\r\n".
class ConsoleOutput::Buffer final : public std::streambuf {
 public:
  Buffer(HANDLE handle, bool console) : handle_(handle), console_(console) {}
  ~Buffer() override { WriteUpTo(pending_.size()); }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    xsputn(&character, 1);
    return c;
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    pending_.append(text, static_cast<size_t>(count));
    const size_t lineEnd = pending_.rfind('\n');
    if (lineEnd != std::string::npos) WriteUpTo(lineEnd + 1);
    return count;
  }
  int sync() override { return WriteUpTo(pending_.size()) ? 0 : -1; }

 private:
  bool WriteUpTo(size_t end) {
    const std::string bytes = pending_.substr(0, end);
    pending_.erase(0, end);
    DWORD written = 0;
    if (bytes.empty()) return true;
    if (!console_) return WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
    const std::u16string text = FromUtf8(bytes);
    return WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
  }

  HANDLE handle_;  // the process's standard handle: not ours to close
  bool console_;
  std::string pending_;
};

ConsoleOutput::ConsoleOutput(DWORD standardHandle, std::ostream& redirected) : redirected_(redirected) {
  const HANDLE handle = GetStdHandle(standardHandle);
  DWORD mode = 0;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  buffer_ = std::make_unique<Buffer>(handle, GetConsoleMode(handle, &mode) != FALSE);
  console_ = std::make_unique<std::ostream>(buffer_.get());
}

ConsoleOutput::~ConsoleOutput() {
  if (console_) console_->flush();
}

}  // namespace qv::cli
