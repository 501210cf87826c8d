#pragma once
// GDI+ for the process. It runs while anything holds it: the application's session and
// every live image object. Only the session may start it; if it cannot start, no GDI+
// object may be created: images are then absent and every painter goes on as it does
// for a missing file.
#include <windows.h>

namespace qv::win {

// One holder of GDI+. The last holder to go shuts GDI+ down and unloads it. Move-only.
class GdiplusHold {
 public:
  // Starts GDI+ when nobody holds it; empty when GdiplusStartup fails.
  static GdiplusHold Start();
  // Holds GDI+ only if it already runs: what an image object takes for its life.
  static GdiplusHold Join();

  GdiplusHold() = default;
  ~GdiplusHold();
  GdiplusHold(GdiplusHold&& other) noexcept;
  GdiplusHold& operator=(GdiplusHold&& other) noexcept;
  GdiplusHold(const GdiplusHold&) = delete;
  GdiplusHold& operator=(const GdiplusHold&) = delete;

  explicit operator bool() const { return held_; }

 private:
  explicit GdiplusHold(bool held) : held_(held) {}
  void Release();

  bool held_ = false;
};

// The application's hold, from start-up to exit.
class GdiplusSession {
 public:
  GdiplusSession() : hold_(GdiplusHold::Start()) {}
  bool Started() const { return static_cast<bool>(hold_); }

 private:
  GdiplusHold hold_;
};

// True while anything holds GDI+.
bool GdiplusRunning();

}  // namespace qv::win
