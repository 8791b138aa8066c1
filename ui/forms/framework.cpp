#include "ui/forms/framework.h"

#include <memory>

#include "ui/controls/controls_registry.h"
#include "ui/forms/design_themes.h"
#include "ui/forms/form_classes.h"
#include "ui/forms/image_container.h"
#include "ui/forms/named_colors.h"
#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/graphics/screen_caps.h"
#include "ui/platform/sysutils.h"

std::wstring ExeDir;
std::wstring DataDirectory;
bool HighColorDisplay = false;
bool BufferedLook = false;
TMesaj* Mesaj = nullptr;
TBitmap* FaceBitmap = nullptr;
TBitmap* IconFaceBitmap = nullptr;

namespace {

std::unique_ptr<TBitmap> TheEmptyBitmap;

// The platform's default short date and long time, as the user's locale gives them.
std::wstring NowText() {
    wchar_t date[80] = L"", time[80] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 80);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 80);
    return std::wstring(date) + L" " + time;
}

}  // namespace

TBitmap& EmptyBitmap() {
    if (!TheEmptyBitmap) TheEmptyBitmap = std::make_unique<TBitmap>();
    return *TheEmptyBitmap;
}

TBitmap& ContainerPicture(std::wstring_view name) {
    TBitmap* picture = Mesaj ? Mesaj->Picture(name) : nullptr;
    return picture && !picture->Empty() ? *picture : EmptyBitmap();
}

TBitmap& DialogPicture(TMsgDlgType type) {
    switch (type) {
    case mtWarning: return ContainerPicture(L"Warning");
    case mtError: return ContainerPicture(L"Error");
    case mtInformation: return ContainerPicture(L"Information");
    case mtConfirmation: return ContainerPicture(L"Confirmation");
    default: return EmptyBitmap();
    }
}

void FrameworkStartup() {
    RegisterControlClasses(TClassRegistry::Instance());
    RegisterFormClasses(TClassRegistry::Instance());
    RegisterFrameworkColors();
    ExeDir = ExtractFilePath(ModuleFileName());
    EmptyBitmap();
    HighColorDisplay = !FileExists(ExeDir + L"LowColor.dat") && IsHighColorDisplay();
    Mesaj = NewForm<TMesaj>(nullptr);
    DataDirectory = ExeDir;
    LoadDefaultThemes();
    Mesaj->SetCaption(NowText());
    FaceBitmap = &ContainerPicture(L"ButtonFaceZRV");
    IconFaceBitmap = &ContainerPicture(L"IconFace");
    Application->HintColor = HighColorDisplay ? static_cast<TColor>(15131353) : static_cast<TColor>(65535);
}

void FrameworkShutdown() {
    FaceBitmap = nullptr;
    IconFaceBitmap = nullptr;
    delete Mesaj;
    Mesaj = nullptr;
    TheEmptyBitmap.reset();
    ExeDir.clear();
    DataDirectory.clear();
}
