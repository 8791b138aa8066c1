// A windowless picture: drawn as it is, stretched (optionally keeping its
// proportions) or centred, optionally transparent, and sized to the picture
// when AutoSize is on.
#pragma once

#include "ui/platform/control.h"
#include "ui/platform/graphics/bitmap.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    TBitmap& Picture() { return FPicture; }
    const TBitmap& Picture() const { return FPicture; }
    // Replaces the picture with a copy of `bitmap` and repaints.
    void SetPicture(const TBitmap& bitmap);
    // Reads the picture from the program's PICTURE resource of that name.
    void LoadPicture(std::wstring_view resourceName);
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
    // Where the picture lands inside the control.
    TRect DestRect() const;

protected:
    void Paint() override;
    void PictureChanged();

private:
    TBitmap FPicture;
    bool FAutoSize = false;
    bool FStretch = false;
    bool FProportional = false;
    bool FCenter = false;
    bool FTransparent = false;
};
