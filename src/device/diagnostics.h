#pragma once
// The texts the device link formats: diagnostics for the debug trace, never shown to the
// user, and the one message shown when a channel of the mouse cannot be opened.
#include <cstdint>
#include <string>

#include "device/hid_bus.h"

namespace qv {

// Lower-case hex of `value`, zero-padded to at least `digits` digits (printf's %0*x).
std::u16string HexText(uint32_t value, int digits);

std::u16string AttributesDiagnostic(const HidAttributes& attributes);
std::u16string CapsDiagnostic(const std::u16string& path, const HidCaps& caps);
std::u16string StatusDiagnostic(uint8_t rate, uint8_t stage);
// "CreateFile Error Code:%d" with the system error code as a signed number.
std::u16string CreateFileErrorMessage(uint32_t error);

}  // namespace qv
