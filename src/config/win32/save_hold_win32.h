#pragma once
// A hook of the simulated build for the end-to-end test that kills the program in the middle
// of a save: each save of config.bin and str.ini passes numbered points. When simhold.txt
// beside the program holds a number, every point passed is listed in simhold.log there, and
// at the point of that number (0: none) the process stops for good and says so in
// simhold.reached. Without the file, and in the real program (save_hold_real.cpp), the points
// do nothing.
#include <string_view>

namespace qv::win {

void SavePoint(std::u16string_view point);

}  // namespace qv::win
