#pragma once
// What the fuzz targets share: a property that must hold for every input stops the run
// like a sanitizer report does, naming the property.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/text.h"

namespace qv::fuzz {

inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: property broken: %s\n", property);
  std::abort();
}

// Text as the profile API hands it back: at most 1023 characters, cut at the first zero.
inline std::u16string ProfileFileText(FuzzedDataProvider& input) {
  std::u16string text = FromUtf8(input.ConsumeRandomLengthString(2048));
  text = text.substr(0, text.find(u'\0'));
  return text.substr(0, 1023);
}

}  // namespace qv::fuzz
