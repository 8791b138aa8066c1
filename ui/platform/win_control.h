// Windowed controls: one HWND each, created when first needed. Windows
// classes of the system (BUTTON, EDIT, ...) are superclassed, so the control
// sees every message of its window from the first one on. Notifications that
// Windows sends to a parent (commands, owner drawing, colours) are handed
// back to the child control they concern as CN_* messages.
#pragma once

#include <vector>

#include "ui/platform/control.h"

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

class TWinControl : public TControl {
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
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    // Called when the window exists: after CreateWnd and on every recreation.
    virtual void CreateHandleDone() {}
    virtual void DestroyWnd();
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
    virtual void AlignControls(TRect& rect);
    // Fills the background; answers whether it painted.
    virtual void EraseBackground(HDC dc);
    // Paints the window's own content (not its windowless children).
    virtual void PaintWindow(HDC dc);
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
    friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window);
    void Detach();
    void DispatchMouse(TMessage& m);
    void TrackMouse(TControl* over);
    bool ReflectNotification(TMessage& m);
    void PaintMessage(TMessage& m);
    void HandleKey(TMessage& m);
    void SetZOrder(TControl* control, bool top);
    void PaintBorder(HDC dc, int width, int height);
    HBRUSH ColorBrush();

    HWND FHandle = nullptr;
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
