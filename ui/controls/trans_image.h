// A picture that is either its own bitmap or a picture of the image
// container chosen by a button kind, a message dialog type or one of the
// other container pictures; optionally transparent, stretched (keeping its
// proportions) and centred, and sized to the picture.
#pragma once

#include <cstdint>

#include "ui/controls/button_kinds.h"
#include "ui/base/msg_types.h"
#include "ui/platform/control.h"

enum TAlteGlife : std::uint8_t {
    glCustom, glPermis, glInterzis, glSurub, glLinii, glCheck, glRadio, glAnulat, glGrupX, glGrup0,
    glCrescator, glDescrescator, glToolVert, glToolOriz, glImgEsc, glSCLogo, glPag, glZarvan, glBuget, glNeoperat,
};

// The container picture of an other-picture value (top bit ignored); the
// empty bitmap for glCustom and values above 19.
const TBitmap& AlteGlyph(TAlteGlife kind);

class TTransImage : public TGraphicControl {
public:
    explicit TTransImage(TComponent* owner);

    TBitmap& Bitmap() { return FBitmap; }
    void SetBitmap(const TBitmap& bitmap);
    TMButtonKind KindMic() const { return FKindMic; }
    void SetKindMic(TMButtonKind kind);
    TMsgDlgType KindMare() const { return FKindMare; }
    void SetKindMare(TMsgDlgType kind);
    TAlteGlife KindAlte() const { return FKindAlte; }
    void SetKindAlte(TAlteGlife kind);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Hiding keeps the control in place; it only stops drawing.
    void SetVisible(bool value) override;
    bool PictureVisible() const { return FVisible; }

    // The picture shown: the first kind that is not custom, else the own bitmap.
    const TBitmap& Picture();
    // Where the picture lands in the client area.
    TRect DestRect();

protected:
    void Paint() override;

private:
    void PictureChanged();

    TBitmap FBitmap;
    bool FProportional = false;
    bool FCenter = false;
    bool FStretch = false;
    bool FAutoSize = true;
    bool FTransparent = true;
    bool FVisible = true;
    TMButtonKind FKindMic = mkCustom;
    TMsgDlgType FKindMare = mtCustom;
    TAlteGlife FKindAlte = glCustom;
};

void RegisterPictureControls(class TClassRegistry& registry);
