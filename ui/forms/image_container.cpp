#include "ui/forms/image_container.h"

#include "ui/forms/design_themes.h"
#include "ui/forms/framework.h"
#include "ui/platform/image_control.h"

TMesaj::TMesaj(TComponent* owner) : TForm(owner, L"TMesaj") {}

TBitmap* TMesaj::Picture(std::wstring_view name) {
    auto* image = dynamic_cast<TImage*>(FindComponent(name));
    return image ? &image->Picture() : nullptr;
}
