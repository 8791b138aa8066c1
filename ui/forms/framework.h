// The framework's process-wide values, set up once at start-up before any
// screen and freed at the end: the program's directory, the empty bitmap, the
// colour depth, the image container with every picture, and the themes.
#pragma once

#include <string>
#include <string_view>

#include "ui/forms/msg_types.h"
#include "ui/platform/graphics/bitmap.h"

class TMesaj;

extern std::wstring ExeDir;            // directory of the program, with a final backslash
extern std::wstring DataDirectory;     // the framework's data directory (the same)
extern bool HighColorDisplay;          // more than 8 bits per pixel and no "LowColor.dat"
extern bool BufferedLook;              // buttons keep their looks in buffers
extern TMesaj* Mesaj;                  // the image container
extern TBitmap* FaceBitmap;            // "ButtonFaceZRV", the face of the picture buttons
extern TBitmap* IconFaceBitmap;        // "IconFace", whose width sets the icon room of title bars

// Start-up in its fixed order; runs once, after Application->Initialize.
void FrameworkStartup();
void FrameworkShutdown();

// The bitmap of size 0 x 0 returned wherever there is no picture.
TBitmap& EmptyBitmap();
// A picture of the image container by component name; the empty bitmap when
// the component has no picture or does not exist (or before start-up).
TBitmap& ContainerPicture(std::wstring_view name);
// The message dialog picture of a dialog type; custom gives the empty bitmap.
TBitmap& DialogPicture(TMsgDlgType type);
