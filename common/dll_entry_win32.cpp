#include <windows.h>

// The modules do all their setting-up per gauge; loading and unloading always succeed.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
