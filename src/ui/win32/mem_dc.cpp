#include "ui/win32/mem_dc.h"

namespace qv::win {
namespace {

RECT AreaOf(HDC target, const RECT& rect) {
  if (!IsRectEmpty(&rect)) return rect;
  RECT clip{};
  GetClipBox(target, &clip);
  return clip;
}

}  // namespace

CMemDC::CMemDC(HDC target, const RECT& rect, HBITMAP canvas) : target_(target), rect_(AreaOf(target, rect)) {
  if (!target_) return;
  memory_.reset(CreateCompatibleDC(target_));
  if (!memory_) return;
  if (canvas) {
    // The canvas is in client coordinates already. Selected in another painter's context
    // (a paint nested in a modal loop), it cannot be drawn here.
    selection_.emplace(memory_.get(), canvas);
    if (!*selection_) Abandon();
    return;
  }
  buffer_.reset(CreateCompatibleBitmap(target_, rect_.right - rect_.left, rect_.bottom - rect_.top));
  if (!buffer_) {
    Abandon();
    return;
  }
  selection_.emplace(memory_.get(), buffer_.get());
  SetWindowOrgEx(memory_.get(), rect_.left, rect_.top, nullptr);
}

void CMemDC::Abandon() {
  selection_.reset();
  memory_.reset();
}

CMemDC::~CMemDC() {
  if (!memory_) return;
  BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, memory_.get(),
         rect_.left, rect_.top, SRCCOPY);
}

}  // namespace qv::win
