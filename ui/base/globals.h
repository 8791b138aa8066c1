// The framework's process-wide values, shared by its controls and forms:
// the program's directory, the display's colour depth and the buttons'
// looks. Set once at start-up (see framework_state.h).
#pragma once

#include <string>

class TNiceButton;

extern std::wstring ExeDir;         // directory of the program, with a final backslash
extern std::wstring DataDirectory;  // the framework's data directory (the same)
extern bool HighColorDisplay;       // more than 8 bits per pixel and no "LowColor.dat"
extern bool BufferedLook;           // buttons keep their looks in buffers

// Left margin of a glyph drawn inside a picture button's face.
inline constexpr int InsideDrawMargin = 4;
// The picture button that is hot now, or nullptr.
extern TNiceButton* HotNiceButton;
