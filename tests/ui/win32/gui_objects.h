#pragma once
// How many GDI and USER objects the process owns.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstring>
#include <map>

namespace qv::win::test {

inline const BYTE* ProcessEnvironmentBlock() {
  using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
    return nullptr;
  }
  return reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
}

// The GDI objects by the type byte of their table entries. Wine 8's GetGuiResources answers
// 0 for everything, so there they are counted in the process's own GDI handle table (PEB
// offset 0xF8): 0x10000 entries of 24 bytes whose type byte (offset 14) is 0 when the entry
// is free. Where the system counts them itself (Windows), all are under type 0.
using GdiObjectsByType = std::map<int, int>;
inline GdiObjectsByType GdiObjectCountByType() {
  if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); reported > 0) {
    return {{0, static_cast<int>(reported)}};
  }
  const BYTE* peb = ProcessEnvironmentBlock();
  const BYTE* table = nullptr;
  if (peb) std::memcpy(&table, peb + 0xF8, sizeof(table));
  GdiObjectsByType counts;
  for (int entry = 0; table && entry < 0x10000; ++entry) {
    if (const BYTE type = table[entry * 24 + 14]; type != 0) ++counts[type];
  }
  return counts;
}

// -1 where the objects cannot be counted.
inline int GdiObjectCount() {
  const GdiObjectsByType counts = GdiObjectCountByType();
  if (counts.empty()) return -1;
  int total = 0;
  for (const auto& [type, n] : counts) total += n;
  return total;
}

// What grew since `before`, less what Wine's cache of window DCs may take: it grows to the
// most DCs ever in use at once, which depends on how the display's events interleave with
// the thread's messages, and each cached DC is a DC (type 0x01) with its region (0x04) and
// its surface (0x05). A leak in a soak of a hundred rounds or more is far beyond the two allowed.
inline GdiObjectsByType GdiGrowthBeyondCachedDcs(const GdiObjectsByType& before) {
  GdiObjectsByType growth;
  const GdiObjectsByType after = GdiObjectCountByType();
  for (const auto& [type, n] : after) growth[type] += n;
  for (const auto& [type, n] : before) growth[type] -= n;
  const int cachedDcs = std::clamp(growth[0x01], 0, 2);
  for (const int type : {0x01, 0x04, 0x05}) growth[type] -= cachedDcs;
  std::erase_if(growth, [](const auto& entry) { return entry.second == 0; });
  return growth;
}

// 0 where the system does not count them (Wine).
inline int UserObjectCount() { return static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)); }

// The process's private memory (committed, not shared).
inline size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
  // Where PrivateUsage is not filled in (Wine), the commit charge is the same figure.
  return memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
}

// The windows of this thread, top-level and child: a window left behind is a USER object
// that Wine's GetGuiResources would not show.
inline int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counted) {
        ++*reinterpret_cast<int*>(counted);
        EnumChildWindows(window, [](HWND, LPARAM n) { return ++*reinterpret_cast<int*>(n), TRUE; }, counted);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace qv::win::test
