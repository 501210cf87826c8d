#include "ui/win32/gdiplus_session.h"

#include <gdiplus.h>

#include <mutex>
#include <utility>

#include "ui/win32/gdiplus_library.h"

namespace qv::win {
namespace {

struct Holders {
  std::mutex lock;  // images may in principle be made on any thread
  int count = 0;
  ULONG_PTR token = 0;
};

Holders& TheHolders() {
  static Holders holders;
  return holders;
}

}  // namespace

GdiplusHold GdiplusHold::Start() {
  Holders& holders = TheHolders();
  std::lock_guard guard(holders.lock);
  if (holders.count == 0) {
    if (!LoadGdiplusLibrary()) return GdiplusHold();
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, no suppressions
    if (Gdiplus::GdiplusStartup(&holders.token, &input, nullptr) != Gdiplus::Ok) {
      UnloadGdiplusLibrary();
      return GdiplusHold();
    }
  }
  ++holders.count;
  return GdiplusHold(true);
}

GdiplusHold GdiplusHold::Join() {
  Holders& holders = TheHolders();
  std::lock_guard guard(holders.lock);
  if (holders.count == 0) return GdiplusHold();
  ++holders.count;
  return GdiplusHold(true);
}

GdiplusHold::~GdiplusHold() { Release(); }

GdiplusHold::GdiplusHold(GdiplusHold&& other) noexcept : held_(std::exchange(other.held_, false)) {}

GdiplusHold& GdiplusHold::operator=(GdiplusHold&& other) noexcept {
  if (this != &other) {
    Release();
    held_ = std::exchange(other.held_, false);
  }
  return *this;
}

void GdiplusHold::Release() {
  if (!std::exchange(held_, false)) return;
  Holders& holders = TheHolders();
  std::lock_guard guard(holders.lock);
  if (--holders.count > 0) return;
  Gdiplus::GdiplusShutdown(holders.token);
  UnloadGdiplusLibrary();
}

bool GdiplusRunning() {
  Holders& holders = TheHolders();
  std::lock_guard guard(holders.lock);
  return holders.count > 0;
}

}  // namespace qv::win
