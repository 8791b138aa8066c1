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
    TMemoryDC() : FDC(CreateCompatibleDC(nullptr)) {}
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
