// The image container: a hidden form whose definition holds every picture
// of the framework as a picture component. Controls ask for pictures by
// name and get them read-only: the pictures are shared by every control.
#pragma once

#include <string_view>

#include "ui/base/msg_types.h"
#include "ui/platform/forms.h"
#include "ui/platform/graphics/bitmap.h"

class TMesaj : public TForm {
public:
    explicit TMesaj(TComponent* owner);
    // The picture of the component of that name; nullptr when there is none.
    const TBitmap* Picture(std::wstring_view name) const;
};

extern TMesaj* Mesaj;                   // the container, from start-up to shutdown
extern const TBitmap* FaceBitmap;       // "ButtonFaceZRV", the face of the picture buttons
extern const TBitmap* IconFaceBitmap;   // "IconFace", whose width sets the icon room of title bars

// The bitmap of size 0 x 0 returned wherever there is no picture.
const TBitmap& EmptyBitmap();
// A picture of the image container by component name; the empty bitmap when
// the component has no picture or does not exist (or before start-up).
const TBitmap& ContainerPicture(std::wstring_view name);
// The message dialog picture of a dialog type; custom gives the empty bitmap.
const TBitmap& DialogPicture(TMsgDlgType type);

// Creates the container and points the face pictures at it; frees them.
void CreateImageContainer();
void FreeImageContainer();
