// Windowed controls: one HWND each, created when first needed. Windows
// classes of the system (BUTTON, EDIT, ...) are superclassed, so the control
// sees every message of its window from the first one on, through the
// library's one window procedure (window_proc.h). Notifications that
// Windows sends to a parent (commands, owner drawing, colours) are handed
// back to the child control they concern as CN_* messages.
//
// Freeing (Free) follows one order while the object is whole: messages stop
// reaching the handlers of the control and its descendants, a form fires
// OnDestroy, the window is destroyed (children with it) and unbound, and
// only then are the child controls and owned components freed.
#pragma once

#include <vector>

#include "ui/platform/control.h"
#include "ui/platform/window_proc.h"

struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::wstring WinClassName;    // the class the window is created with
    std::wstring SysClassName;    // system class it is built on; empty: a plain window
    UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl, public TWindowTarget {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    void RecreateWnd();
    // The control that owns a window (or one of its ancestors), or nullptr.
    static TWinControl* FindControl(HWND window);

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(static_cast<std::size_t>(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child under a client point; disabled ones only
    // when asked.
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false, bool allowWindowed = false) const;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // Moves the focus to the next (or previous) control in tab order after
    // `current` among this control's descendants.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    // Windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list);
    // Sends a message to every child control until one answers non-zero.
    void Broadcast(TMessage& message);

    bool DoubleBuffered = false;
    // The 3-D look: a control with a border shows a sunken client edge;
    // without it, a plain one-pixel border. Changing it remakes the window.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool Showing() const override;
    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void Invalidate() override;
    void Update() override;
    void PaintTo(HDC dc, int x, int y) override;
    // Lays out the aligned children again.
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void ChangeScale(int multiplier, int divisor) override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void BeforeDestruction() override;
    // Messages no longer reach the handlers of this control and its windowed
    // descendants; the windows only get their class's default handling.
    void StopDispatching();
    bool Dispatching() const { return FDispatching; }
    virtual void CreateParams(TCreateParams& params);
    // The border styles of a control that has a border, by the 3-D look.
    void AddBorderStyle(TCreateParams& params) const;
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    // Called when the window exists: after CreateWnd and on every recreation.
    virtual void CreateHandleDone() {}
    virtual void DestroyWnd();
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
    virtual void AlignControls(TRect& rect);
    void AnchorControls();
    // Fills the background; answers whether it painted.
    virtual void EraseBackground(HDC dc);
    // Paints the window's own content (not its windowless children).
    virtual void PaintWindow(HDC dc);
    // Paints over the non-client area after the frame was drawn, on a
    // context whose origin is the window's top-left corner: after every
    // WM_NCPAINT and when the window is printed (PaintTo).
    virtual void PaintNonClient(HDC dc) { (void)dc; }
    void PaintControls(HDC dc);
    void PaintHandler(HDC dc);
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(wchar_t& key);
    // Gives the key to a previewing form, then to this control. True when a
    // handler swallowed it (set it to 0).
    bool DoKeyDown(WORD& key, TShiftState shift);
    bool DoKeyPress(wchar_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // Whether the control handles a dialog key (Tab, Enter, Escape, arrows) itself.
    virtual bool WantsKey(WORD key);
    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    std::wstring GetText() const override;
    void SetTextBuf(const std::wstring& text) override;
    WNDPROC FDefWndProc = nullptr;

private:
    friend class TControl;
    friend class TApplication;
    void HandleWindowMessage(HWND window, TMessage& m) override;
    void WindowUnbound(HWND window) override;
    void DispatchMouse(TMessage& m);
    bool ReflectNotification(TMessage& m);
    void PaintMessage(TMessage& m);
    void PrintMessage(TMessage& m);
    void NonClientPaintMessage(TMessage& m);
    void SizeMessage(TMessage& m);
    bool SetCursorMessage(TMessage& m);
    void HandleKey(TMessage& m);
    void SetZOrder(TControl* control, bool top);
    void PaintBorder(HDC dc, int width, int height);
    void PrintSystemChildren(HDC dc);
    void FreeChildren();
    HBRUSH ColorBrush();

    HWND FHandle = nullptr;
    bool FDispatching = true;
    bool FCtl3D = true;
    std::vector<TControl*> FControls;       // children, bottom first
    std::vector<TWinControl*> FTabList;     // windowed children, tab order
    bool FTabStop = false;
    int FAlignLevel = 0;
    bool FAligning = false;
    TControl* FCaptureControl = nullptr;
    TColor FBrushColor = clNone;
    HBRUSH FBrush = nullptr;
};

// A windowed control that paints itself through Paint on Canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    TCanvas& Canvas() { return FCanvas; }

protected:
    virtual void Paint();
    void PaintWindow(HDC dc) override;

private:
    TCanvas FCanvas;
};
