#include "ui/controls/trans_image.h"

#include "ui/controls/controls_registry.h"
#include "ui/controls/move_panel.h"
#include "ui/base/image_container.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/win_control.h"

const TBitmap& AlteGlyph(TAlteGlife kind) {
    static const wchar_t* const names[] = {
        nullptr,  L"Permis", L"Interzis", L"Surub", L"Linii",     L"Check",     L"Radio",
        L"Anulat", L"GrupX", L"Grup0",    L"crescator", L"descrescator", L"ToolbVert", L"ToolbOriz",
        L"EscapeImg", L"SCLogo", L"Pag",  L"Zarvan",    L"Buget",        L"Neoperat",
    };
    const unsigned value = static_cast<unsigned>(kind) & 0x7F;
    if (value == glCustom || value > glNeoperat) return EmptyBitmap();
    return ContainerPicture(names[value]);
}

TTransImage::TTransImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 24, 24); }

const TBitmap& TTransImage::Picture() {
    if (FKindMic != mkCustom) return KindGlyph(FKindMic);
    if (FKindMare != mtCustom) return DialogPicture(FKindMare);
    if (FKindAlte != glCustom) return AlteGlyph(FKindAlte);
    return FBitmap;
}

void TTransImage::PictureChanged() {
    const TBitmap& picture = Picture();
    if (FAutoSize && !picture.Empty()) SetBounds(Left(), Top(), picture.Width(), picture.Height());
    Invalidate();
}

void TTransImage::SetBitmap(const TBitmap& bitmap) {
    FBitmap.Assign(bitmap);
    FKindMic = mkCustom;
    FKindMare = mtCustom;
    FKindAlte = glCustom;
    PictureChanged();
}

void TTransImage::SetKindMic(TMButtonKind kind) {
    if (kind == FKindMic) return;
    FKindMare = mtCustom;
    FKindAlte = glCustom;
    FKindMic = kind;
    PictureChanged();
}

void TTransImage::SetKindMare(TMsgDlgType kind) {
    if (kind == FKindMare) return;
    FKindMic = mkCustom;
    FKindAlte = glCustom;
    FKindMare = kind;
    PictureChanged();
}

void TTransImage::SetKindAlte(TAlteGlife kind) {
    if (kind == FKindAlte) return;
    FKindMic = mkCustom;
    FKindMare = mtCustom;
    FKindAlte = kind;
    PictureChanged();
}

void TTransImage::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    if (value)
        PictureChanged();
    else
        Invalidate();
}

void TTransImage::SetProportional(bool value) {
    if (value == FProportional) return;
    FProportional = value;
    if (value) FStretch = true;
    Invalidate();
}

void TTransImage::SetStretch(bool value) {
    if (value == FStretch) return;
    FStretch = value;
    if (!value) FProportional = false;
    Invalidate();
}

void TTransImage::SetCenter(bool value) {
    if (value == FCenter) return;
    FCenter = value;
    Invalidate();
}

void TTransImage::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Invalidate();
}

void TTransImage::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    if (value)
        Invalidate();
    else if (Parent())
        Parent()->Invalidate();
}

TRect TTransImage::DestRect() {
    const TBitmap& picture = Picture();
    const int w = picture.Width(), h = picture.Height(), cw = Width(), ch = Height();
    TRect dest{0, 0, w, h};
    if (FStretch && !FProportional) dest = {0, 0, cw, ch};
    if (FStretch && FProportional && w > 0 && h > 0) {
        const double r = static_cast<double>(w) / h;
        int dw, dh;
        if (h < w) {
            dw = cw;
            dh = static_cast<int>(cw / r);
            if (dh > ch) {
                dh = ch;
                dw = static_cast<int>(r * ch);
            }
        } else {
            dh = ch;
            dw = static_cast<int>(r * ch);
            if (dw > cw) {
                dw = cw;
                dh = static_cast<int>(cw / r);
            }
        }
        dest = {0, 0, dw, dh};
    }
    if (FCenter) dest = dest.Offset((cw - dest.Width()) / 2, (ch - dest.Height()) / 2);
    return dest;
}

void TTransImage::Paint() {
    const TBitmap& picture = Picture();
    if (!FVisible || picture.Empty()) return;
    // The top-left pixel is the transparent colour.
    Canvas().StretchDrawKeyed(DestRect(), picture, FTransparent ? picture.Pixel(0, 0) : clNone);
}

void RegisterPictureControls(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TTransImage>(L"TTransImage");
    r.RegisterProperty<TTransImage>(L"Bitmap", [](TTransImage& c, V v, X) {
        TBitmap bitmap;
        bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), v.AsString());
        c.SetBitmap(bitmap);
    });
    r.RegisterProperty<TTransImage>(L"KindMic", [](TTransImage& c, V v, X x) { c.SetKindMic(DefKind(v, x)); });
    r.RegisterProperty<TTransImage>(L"KindMare", [](TTransImage& c, V v, X x) {
        c.SetKindMare(static_cast<TMsgDlgType>(x.Enum(v, {{L"mtWarning", mtWarning}, {L"mtError", mtError},
                                                          {L"mtInformation", mtInformation},
                                                          {L"mtConfirmation", mtConfirmation}, {L"mtCustom", mtCustom}})));
    });
    r.RegisterProperty<TTransImage>(L"KindAlte", [](TTransImage& c, V v, X x) {
        c.SetKindAlte(static_cast<TAlteGlife>(
            x.Enum(v, {{L"glCustom", glCustom}, {L"glPermis", glPermis}, {L"glInterzis", glInterzis},
                       {L"glSurub", glSurub}, {L"glLinii", glLinii}, {L"glCheck", glCheck}, {L"glRadio", glRadio},
                       {L"glAnulat", glAnulat}, {L"glGrupX", glGrupX}, {L"glGrup0", glGrup0},
                       {L"glCrescator", glCrescator}, {L"glDescrescator", glDescrescator},
                       {L"glToolVert", glToolVert}, {L"glToolOriz", glToolOriz}, {L"glImgEsc", glImgEsc},
                       {L"glSCLogo", glSCLogo}, {L"glPag", glPag}, {L"glZarvan", glZarvan}, {L"glBuget", glBuget},
                       {L"glNeoperat", glNeoperat}})));
    });
    r.RegisterProperty<TTransImage>(L"AutoSize", [](TTransImage& c, V v, X) { c.SetAutoSize(v.AsBool()); });
    r.RegisterProperty<TTransImage>(L"Stretch", [](TTransImage& c, V v, X) { c.SetStretch(v.AsBool()); });
    r.RegisterProperty<TTransImage>(L"Proportional", [](TTransImage& c, V v, X) { c.SetProportional(v.AsBool()); });
    r.RegisterProperty<TTransImage>(L"Center", [](TTransImage& c, V v, X) { c.SetCenter(v.AsBool()); });
    r.RegisterProperty<TTransImage>(L"Transparent", [](TTransImage& c, V v, X) { c.SetTransparent(v.AsBool()); });
    r.RegisterClass<TMovePanel>(L"TMovePanel");
}
