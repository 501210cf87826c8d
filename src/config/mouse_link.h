#pragma once
// The three transfer sequences with the mouse, as the Apply pipeline and start-up see them.
#include "model/app_state.h"
#include "model/config_image.h"

namespace qv {

// How a write ended: the mouse never answered its status query (the failure message has
// been shown, nothing was written), a transfer after it failed (the mouse may hold part of
// the image), or every transfer succeeded.
enum class WriteResult { Unanswered, Incomplete, Complete };

class MouseLink {
 public:
  virtual ~MouseLink() = default;
  // Status query into status bytes 0 and 1. False when the status answer failed its check
  // (the failure message has been shown and the bytes are unchanged).
  virtual bool GetDPIStage(ConfigImage& image) = 0;
  // Status and all five blocks into the image (which the caller has zeroed). True only
  // when the image now holds a complete read: the status check passed and every transfer
  // succeeded.
  virtual bool ReadOperation(ConfigImage& image) = 0;
  // Status and all five blocks from the image to the mouse.
  virtual WriteResult WriteOperation(const ConfigImage& image) = 0;
};

// How every reader reads the mouse's whole memory (start-up and arrivals, Apply, the
// command line): `image` is zeroed first, so that a failed read leaves nothing stale in it,
// and state.scrambling is set, since the mouse scrambles its answers once it has been read.
// True only when every transfer succeeded.
bool ReadMouseMemory(MouseLink& mouse, AppState& state, ConfigImage& image);

}  // namespace qv
