// The little of a C++ runtime the simulated mouse needs inside a kernel driver: allocation
// from the pool, and the library's error paths, which the mouse never takes (its sizes are
// fixed) and which stop the process rather than throw.
#include <cstddef>

#include "sim_unit.h"

void* operator new(std::size_t size) {
  void* block = vm_alloc(size);
  if (block == nullptr) __builtin_trap();
  return block;
}
void operator delete(void* block) noexcept { vm_free(block); }
void operator delete(void* block, std::size_t) noexcept { vm_free(block); }

namespace std {
[[noreturn]] void __throw_bad_alloc() { __builtin_trap(); }
[[noreturn]] void __throw_bad_array_new_length() { __builtin_trap(); }
[[noreturn]] void __throw_length_error(const char*) { __builtin_trap(); }
[[noreturn]] void __throw_logic_error(const char*) { __builtin_trap(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { __builtin_trap(); }
}  // namespace std
