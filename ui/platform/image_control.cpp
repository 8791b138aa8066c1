#include "ui/platform/image_control.h"

#include "ui/platform/form_definition.h"
#include "ui/platform/platform_classes.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    FControlStyle |= csOpaque;
}

void TImage::SetPicture(const TBitmap& bitmap) {
    FPicture.Assign(bitmap);
    PictureChanged();
}

void TImage::LoadPicture(std::wstring_view resourceName) {
    FPicture.LoadFromResourceName(GetModuleHandleW(nullptr), resourceName);
    PictureChanged();
}

void TImage::PictureChanged() {
    FPicture.SetTransparent(FTransparent);
    if (FAutoSize && !FPicture.Empty()) SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
    Invalidate();
}

void TImage::SetAutoSize(bool value) {
    FAutoSize = value;
    PictureChanged();
}

void TImage::SetStretch(bool value) {
    FStretch = value;
    Invalidate();
}

void TImage::SetProportional(bool value) {
    FProportional = value;
    Invalidate();
}

void TImage::SetCenter(bool value) {
    FCenter = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    FTransparent = value;
    if (value)
        FControlStyle &= ~static_cast<unsigned>(csOpaque);
    else
        FControlStyle |= csOpaque;
    PictureChanged();
}

TRect TImage::DestRect() const {
    int w = FPicture.Width(), h = FPicture.Height();
    const int cw = Width(), ch = Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // Fit inside the control keeping the picture's width to height ratio.
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = MulDiv(w, ch, h);
                h = ch;
            } else {
                h = MulDiv(h, cw, w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    if (FCenter) return Bounds((cw - w) / 2, (ch - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint() {
    if (FPicture.Empty()) return;
    const TRect dest = DestRect();
    if (dest.Width() == FPicture.Width() && dest.Height() == FPicture.Height())
        Canvas().Draw(dest.Left, dest.Top, FPicture);
    else
        Canvas().StretchDraw(dest, FPicture);
}

void RegisterImageControl(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TImage>(L"TImage");
    r.RegisterProperty<TImage>(L"Picture", [](TImage& c, V v, X) { c.LoadPicture(v.AsString()); });
    r.RegisterProperty<TImage>(L"AutoSize", [](TImage& c, V v, X) { c.SetAutoSize(v.AsBool()); });
    r.RegisterProperty<TImage>(L"Stretch", [](TImage& c, V v, X) { c.SetStretch(v.AsBool()); });
    r.RegisterProperty<TImage>(L"Proportional", [](TImage& c, V v, X) { c.SetProportional(v.AsBool()); });
    r.RegisterProperty<TImage>(L"Center", [](TImage& c, V v, X) { c.SetCenter(v.AsBool()); });
    r.RegisterProperty<TImage>(L"Transparent", [](TImage& c, V v, X) { c.SetTransparent(v.AsBool()); });
}
