// The image container: a hidden form whose definition holds every picture
// of the framework as a picture component. Controls ask for pictures by name.
#pragma once

#include "ui/platform/forms.h"
#include "ui/platform/graphics/bitmap.h"

class TMesaj : public TForm {
public:
    explicit TMesaj(TComponent* owner);
    // The picture of the component of that name; nullptr when there is none.
    TBitmap* Picture(std::wstring_view name);
};
