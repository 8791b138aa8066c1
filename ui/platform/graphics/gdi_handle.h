// Owning wrappers for GDI handles: the object is deleted with its owner and
// never copied. Callers deselect an object from every device context before
// its owner lets it go.
#pragma once

#include <windows.h>

#include <utility>

template <typename H>
class TGdiHandle {
public:
    TGdiHandle() = default;
    explicit TGdiHandle(H handle) : FHandle(handle) {}
    ~TGdiHandle() { Reset(); }
    TGdiHandle(const TGdiHandle&) = delete;
    TGdiHandle& operator=(const TGdiHandle&) = delete;
    TGdiHandle(TGdiHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TGdiHandle& operator=(TGdiHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.FHandle, nullptr));
        return *this;
    }

    H Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    void Reset(H handle = nullptr) {
        if (FHandle) DeleteObject(FHandle);
        FHandle = handle;
    }

private:
    H FHandle = nullptr;
};

using TPenHandle = TGdiHandle<HPEN>;
using TBrushHandle = TGdiHandle<HBRUSH>;
using TFontHandle = TGdiHandle<HFONT>;
using TBitmapHandle = TGdiHandle<HBITMAP>;

// A memory device context. Whatever bitmap it holds is deselected again
// before the context is deleted, so the bitmap's owner can delete it.
class TMemoryDC {
public:
    // Compatible with `dc`; with the screen when none is given.
    explicit TMemoryDC(HDC dc = nullptr) : FDC(CreateCompatibleDC(dc)) {}
    ~TMemoryDC() {
        if (!FDC) return;
        if (FOriginal) SelectObject(FDC, FOriginal);
        DeleteDC(FDC);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    HDC Get() const { return FDC; }
    // Puts a bitmap into the context (nullptr: the context's own 1x1 one).
    void SelectBitmap(HBITMAP bitmap) {
        if (!FDC) return;
        if (!bitmap) {
            if (FOriginal) SelectObject(FDC, FOriginal);
            FOriginal = nullptr;
            return;
        }
        HGDIOBJ previous = SelectObject(FDC, bitmap);
        if (!FOriginal) FOriginal = previous;
    }

private:
    HDC FDC = nullptr;
    HGDIOBJ FOriginal = nullptr;
};

// The screen's device context for the lifetime of the object.
class TScreenDC {
public:
    TScreenDC() : FDC(GetDC(nullptr)) {}
    ~TScreenDC() {
        if (FDC) ReleaseDC(nullptr, FDC);
    }
    TScreenDC(const TScreenDC&) = delete;
    TScreenDC& operator=(const TScreenDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HDC FDC = nullptr;
};

// A window's paint: BeginPaint now, EndPaint (which validates the area)
// however the paint ends, so a failing paint is not asked for again and again.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
    ~TPaintDC() { EndPaint(FWindow, &FPaint); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
    HDC FDC;
};

// The context of a whole window, non-client area included.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : FWindow(window), FDC(GetWindowDC(window)) {}
    ~TWindowDC() {
        if (FDC) ReleaseDC(FWindow, FDC);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

// A context's state (origin, clipping, selected objects) saved now and put
// back at the end of the scope.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    ~TSavedDC() {
        if (FSaved) RestoreDC(FDC, FSaved);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};

// A memory surface compatible with `dc`, origin at 0, 0, for painting
// without flicker or for composing a picture before it is copied out.
class TBackBuffer {
public:
    TBackBuffer(HDC dc, int width, int height)
        : FWidth(width > 0 ? width : 1), FHeight(height > 0 ? height : 1),
          FBitmap(CreateCompatibleBitmap(dc, FWidth, FHeight)), FMemory(dc) {
        FMemory.SelectBitmap(FBitmap.Get());
    }
    TBackBuffer(const TBackBuffer&) = delete;
    TBackBuffer& operator=(const TBackBuffer&) = delete;
    HDC Get() const { return FMemory.Get(); }
    // Copies the surface to `dc` at (x, y).
    void CopyTo(HDC dc, int x, int y) const { BitBlt(dc, x, y, FWidth, FHeight, FMemory.Get(), 0, 0, SRCCOPY); }
    // Copies what `dc` shows at (x, y) into the surface.
    void CopyFrom(HDC dc, int x, int y) { BitBlt(FMemory.Get(), 0, 0, FWidth, FHeight, dc, x, y, SRCCOPY); }

private:
    int FWidth, FHeight;
    TBitmapHandle FBitmap;  // outlives the context it is selected into
    TMemoryDC FMemory;
};
