#pragma once
// The three transfer sequences with the mouse, as the Apply pipeline and start-up see them.
#include "model/config_image.h"

namespace qv {

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
  // Status and all five blocks from the image to the mouse. False when the status check
  // failed (nothing written) or a transfer failed.
  virtual bool WriteOperation(const ConfigImage& image) = 0;
};

}  // namespace qv
