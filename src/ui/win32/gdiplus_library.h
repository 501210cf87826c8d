#pragma once
// gdiplus.dll, loaded while GDI+ runs and unloaded when it stops: a DLL the program imports,
// even delay-loaded, stays mapped for the life of the process, and a tray program lives all day.
namespace qv::win {

// Loads gdiplus.dll and finds every function the program calls; false (and nothing loaded)
// when either fails.
bool LoadGdiplusLibrary();
// Unloads it, with what its decoding loaded for it. Only after GdiplusShutdown.
void UnloadGdiplusLibrary();

}  // namespace qv::win
