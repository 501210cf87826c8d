#pragma once
// The bus's control interface, opened for vmousectl's requests.
#include <windows.h>

#include "common/win32/handles.h"

namespace vmouse {

class ControlChannel {
 public:
  bool Open();
  bool Send(DWORD code, const void* input, DWORD size);
  bool Receive(DWORD code, void* output, DWORD size);

 private:
  qv::win::UniqueFileHandle bus_;
};

}  // namespace vmouse
