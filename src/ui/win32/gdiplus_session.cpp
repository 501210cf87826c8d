#include "ui/win32/gdiplus_session.h"

#include <gdiplus.h>

#include <atomic>

namespace qv::win {
namespace {

std::atomic<int> gRunningSessions{0};

}  // namespace

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no callback, no suppressions
  started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  if (started_) ++gRunningSessions;
}

GdiplusSession::~GdiplusSession() {
  if (!started_) return;
  --gRunningSessions;
  Gdiplus::GdiplusShutdown(token_);
}

bool GdiplusRunning() { return gRunningSessions.load() > 0; }

}  // namespace qv::win
