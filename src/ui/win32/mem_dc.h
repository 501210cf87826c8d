#pragma once
// The double buffer every painter draws through: a memory device context standing in for
// a target device context over a rectangle, copied to the target in one BitBlt when it
// ends, so the skin never flickers.
#include <windows.h>

#include <optional>

#include "common/win32/handles.h"

namespace qv::win {

class CMemDC {
 public:
  // Over `rect` of `target` in client coordinates (the target's clip box when `rect` is
  // empty). Given the window's canvas bitmap, draws go onto the canvas, which keeps them;
  // otherwise onto a buffer of the rectangle's size. Either way the memory context's
  // coordinates are the target's.
  CMemDC(HDC target, const RECT& rect, HBITMAP canvas = nullptr);
  // Copies the rectangle to the target at the same place (SRCCOPY).
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  // Null when no memory context could be made; then nothing is drawn or copied.
  HDC get() const { return memory_.get(); }
  const RECT& rect() const { return rect_; }

 private:
  void Abandon();

  HDC target_;
  RECT rect_;
  UniqueMemoryDc memory_;
  UniqueBitmap buffer_;
  std::optional<ScopedSelect> selection_;  // released first: nothing stays selected at deletion
};

}  // namespace qv::win
