#pragma once
// The present device interfaces of a class, by path.
#include <windows.h>

#include <string>
#include <vector>

namespace vmouse {

std::vector<std::wstring> PresentInterfaces(const GUID& interfaceClass);

// {5A8C7D1E-3B4F-4C62-9E17-0D2B6A9F4E31}, the bus's control interface (vmouse_control.h).
extern const GUID kControlInterface;

}  // namespace vmouse
