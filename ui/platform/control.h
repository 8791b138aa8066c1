// Controls: components with bounds, a parent, colour, font and caption.
// Every message a control receives passes through its WndProc; a class that
// wants to act after the library's own handling overrides WndProc, calls the
// base first and then does its part. Windowless controls (TGraphicControl)
// receive the mouse messages their parent forwards and are painted by it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/platform/component.h"
#include "ui/platform/graphics/canvas.h"
#include "ui/platform/graphics/colors.h"
#include "ui/platform/graphics/font.h"
#include "ui/platform/messages.h"
#include "ui/platform/types.h"

class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// The parent edges a control keeps its distance to when the parent is
// resized (left and top by default).
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TCursor { crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeAll = -22, crHourGlass = -11,
               crNo = -12, crHandPoint = -21 };
HCURSOR CursorHandle(TCursor cursor);  // nullptr for crDefault

// Keyboard and mouse state that comes with input events.
enum TShiftFlag : unsigned {
    ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64
};
struct TShiftState {
    unsigned Bits = 0;
    constexpr TShiftState() = default;
    constexpr TShiftState(unsigned bits) : Bits(bits) {}
    constexpr bool Contains(TShiftFlag f) const { return (Bits & f) != 0; }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;
};
TShiftState KeyboardShiftState();                        // from the keyboard right now
TShiftState MouseShiftState(WPARAM mouseKeys);           // from a mouse message's WParam
TShiftState KeyDataToShiftState(LPARAM keyData);         // Alt from a key message, the rest from the keyboard

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, wchar_t& Key)>;

// Behaviour switches of a control class.
enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1, csCaptureMouse = 2, csClickEvents = 4, csDoubleClicks = 8,
    csSetCaption = 16, csOpaque = 32, csParentBackground = 64
};
// What a control is doing right now.
enum TControlStateFlag : unsigned { csLButtonDown = 1, csClicked = 2, csFocusing = 4, csAlignmentNeeded = 8 };

struct TSizeConstraints {
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;  // 0: no limit
    // Applies the limits to a width and a height.
    void Apply(int& width, int& height) const;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    TCustomForm* ParentForm() const;                       // the form the control sits on, or nullptr
    virtual bool IsWindowed() const { return false; }

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int v);
    virtual void SetClientHeight(int v);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    TSizeConstraints& Constraints() { return FConstraints; }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    unsigned Anchors() const { return FAnchors; }
    void SetAnchors(unsigned anchors);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible with every parent up to a shown window.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont& Font() { return *FFont; }
    const TFont& Font() const { return *FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    std::wstring Caption() const { return GetText(); }
    void SetCaption(const std::wstring& text) { SetText(text); }
    std::wstring Text() const { return GetText(); }
    void SetText(const std::wstring& text);

    std::wstring Hint;
    bool ShowHint = false;
    bool ParentShowHint = true;
    TCursor Cursor = crDefault;

    unsigned ControlStyle() const { return FControlStyle; }
    void SetControlStyle(unsigned style) { FControlStyle = style; }
    unsigned ControlState() const { return FControlState; }
    bool MouseInControl() const { return FMouseInControl; }

    // Repainting: Invalidate marks for the next paint; Update paints what is
    // marked now; Repaint does both.
    virtual void Invalidate();
    void EraseParentArea();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // Sends a message straight to the control's WndProc.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);
    // The handling of last resort: nothing for windowless controls, the
    // window class's own procedure for windowed ones.
    virtual void DefaultHandler(TMessage& message);

    virtual void Click();
    // Scales position, size and font by multiplier / divisor.
    virtual void ChangeScale(int multiplier, int divisor);
    // Paints the control on a device context at its own origin.
    virtual void PaintTo(HDC dc, int x, int y);
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    virtual std::wstring GetText() const { return FText; }
    virtual void SetTextBuf(const std::wstring& text) { FText = text; }
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void DblClick();
    virtual void Resize();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void EnabledChanged();
    virtual void TextChanged();
    virtual void VisibleChanged();
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Asks the parent to lay out aligned controls again.
    void RequestAlign();
    void SetControlState(unsigned state) { FControlState = state; }
    // Remembers the parent's client size the control was placed for, the
    // base of its right and bottom anchors.
    void RecordAnchorBase();

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    unsigned FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;

private:
    void HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl);
    void ParentFontChanged();
    void ParentColorChanged();
    friend class TWinControl;

    TAlign FAlign = alNone;
    unsigned FAnchors = akLeft | akTop;
    TSize FAnchorBase;
    bool FAnchoring = false;   // being moved by its anchors
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = false;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FChangingFontFromParent = false;
    std::wstring FText;
    TSizeConstraints FConstraints;
    unsigned FControlState = 0;
    bool FMouseInControl = false;
};

// Binds a canvas to a device context for one paint, optionally with a font,
// and lets go of the context however the paint ends.
class TCanvasBinding {
public:
    TCanvasBinding(TCanvas& canvas, HDC dc) : FCanvas(canvas) { canvas.SetHandle(dc); }
    TCanvasBinding(TCanvas& canvas, HDC dc, const TFont& font) : TCanvasBinding(canvas, dc) {
        canvas.Font().Assign(font);
    }
    ~TCanvasBinding() { FCanvas.SetHandle(nullptr); }
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& FCanvas;
};

// A windowless control painted by its parent through Paint, on Canvas.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    TCanvas& Canvas() { return FCanvas; }
    void PaintTo(HDC dc, int x, int y) override;

protected:
    virtual void Paint() {}
    void WndProc(TMessage& message) override;

private:
    TCanvas FCanvas;
};
