// Common part of fonts, pens and brushes: a description whose GDI handle is
// made on demand, and change notifications.
#pragma once

#include <functional>

class TCanvas;

class TGraphicsObject {
public:
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;
    virtual ~TGraphicsObject() = default;

    // Fired after every change that takes effect.
    std::function<void()> OnChange;

protected:
    TGraphicsObject() = default;
    // Called by setters after a change. When the change alters the GDI
    // object, the canvas holding it selected lets go of it first and the old
    // handle is deleted; the next Handle() makes a new one.
    void Changed(bool alteredHandle);
    virtual void DropHandle() = 0;

private:
    friend class TCanvas;
    std::function<void()> FBeforeDrop;  // set by the canvas that owns the object
};
