#include "ui/base/globals.h"

std::wstring ExeDir;
std::wstring DataDirectory;
bool HighColorDisplay = false;
bool BufferedLook = false;
TNiceButton* HotNiceButton = nullptr;
