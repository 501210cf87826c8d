#pragma once
// GDI+ for the whole process. If it cannot start, no GDI+ object may be created: images
// are then absent and every painter goes on as it does for a missing file.
#include <windows.h>

namespace qv::win {

class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool Started() const { return started_; }

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

// True while a session that started successfully is alive.
bool GdiplusRunning();

}  // namespace qv::win
