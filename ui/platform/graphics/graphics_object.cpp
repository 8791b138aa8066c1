#include "ui/platform/graphics/graphics_object.h"

void TGraphicsObject::Changed(bool alteredHandle) {
    if (alteredHandle) {
        if (FBeforeDrop) FBeforeDrop();
        DropHandle();
    }
    if (OnChange) OnChange();
}
