#include "ui/base/image_container.h"

#include <memory>

#include "ui/platform/image_control.h"

TMesaj* Mesaj = nullptr;
const TBitmap* FaceBitmap = nullptr;
const TBitmap* IconFaceBitmap = nullptr;

namespace {
std::unique_ptr<TBitmap> TheEmptyBitmap;
}  // namespace

TMesaj::TMesaj(TComponent* owner) : TForm(owner, L"TMesaj") {}

const TBitmap* TMesaj::Picture(std::wstring_view name) const {
    auto* image = dynamic_cast<TImage*>(FindComponent(name));
    return image ? &image->Picture() : nullptr;
}

const TBitmap& EmptyBitmap() {
    if (!TheEmptyBitmap) TheEmptyBitmap = std::make_unique<TBitmap>();
    return *TheEmptyBitmap;
}

const TBitmap& ContainerPicture(std::wstring_view name) {
    const TBitmap* picture = Mesaj ? Mesaj->Picture(name) : nullptr;
    return picture && !picture->Empty() ? *picture : EmptyBitmap();
}

const TBitmap& DialogPicture(TMsgDlgType type) {
    switch (type) {
    case mtWarning: return ContainerPicture(L"Warning");
    case mtError: return ContainerPicture(L"Error");
    case mtInformation: return ContainerPicture(L"Information");
    case mtConfirmation: return ContainerPicture(L"Confirmation");
    default: return EmptyBitmap();
    }
}

void CreateImageContainer() {
    EmptyBitmap();
    Mesaj = NewForm<TMesaj>(nullptr);
    FaceBitmap = &ContainerPicture(L"ButtonFaceZRV");
    IconFaceBitmap = &ContainerPicture(L"IconFace");
}

void FreeImageContainer() {
    FaceBitmap = nullptr;
    IconFaceBitmap = nullptr;
    FreeAndNil(Mesaj);
    TheEmptyBitmap.reset();
}
