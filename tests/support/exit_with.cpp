// Test helper: a window-less GUI program that ends with the exit code given as
// its first argument. Being a GUI program, it gets no console of its own.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) { return std::atoi(commandLine); }
