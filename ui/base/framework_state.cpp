#include "ui/base/framework_state.h"

#include <windows.h>

#include "ui/base/design_themes.h"
#include "ui/base/globals.h"
#include "ui/base/image_container.h"
#include "ui/base/named_colors.h"
#include "ui/platform/application.h"
#include "ui/platform/graphics/screen_caps.h"
#include "ui/platform/sysutils.h"

namespace {

// The platform's default short date and long time, as the user's locale gives them.
std::wstring NowText() {
    wchar_t date[80] = L"", time[80] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 80);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 80);
    return std::wstring(date) + L" " + time;
}

}  // namespace

void InitFrameworkState() {
    RegisterFrameworkColors();
    ExeDir = ExtractFilePath(ModuleFileName());
    HighColorDisplay = !FileExists(ExeDir + L"LowColor.dat") && IsHighColorDisplay();
    CreateImageContainer();
    DataDirectory = ExeDir;
    LoadDefaultThemes();
    Mesaj->SetCaption(NowText());
    Application->HintColor = HighColorDisplay ? static_cast<TColor>(15131353) : static_cast<TColor>(65535);
}

void FreeFrameworkState() {
    FreeImageContainer();
    ExeDir.clear();
    DataDirectory.clear();
}
