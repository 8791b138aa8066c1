// Labels and buttons.
#pragma once

#include "ui/platform/win_control.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// True when `key` is the accelerator of `caption` (the letter after "&").
bool IsAccel(wchar_t key, std::wstring_view caption);

// A windowless caption: alignment, transparency, auto size, word wrap, and an
// accelerator that focuses its FocusControl.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);
    void Loaded() override;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The DrawText flags of the label's settings.
    UINT TextFlags() const;
    // Draws the caption in `rect` (also used to measure it with DT_CALCRECT).
    virtual void DoDrawText(TRect& rect, UINT flags);
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FAutoSize = true;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

// Controls made on the system's BUTTON class.
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

// A BUTTON window that the control draws itself (BS_OWNERDRAW), the base of
// the framework's check boxes and radio buttons: the system's click and
// double-click notifications come back as ButtonClicked and
// ButtonDoubleClicked (the latter only when the control keeps double
// clicks, csDoubleClicks), drawing requests as DrawButton on the item's
// context, and size requests are answered with the control's own size.
class TOwnerDrawButton : public TButtonControl {
public:
    explicit TOwnerDrawButton(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    virtual void DrawButton(const DRAWITEMSTRUCT& item) { (void)item; }
    virtual void ButtonClicked() {}
    virtual void ButtonDoubleClicked() {}
};

// A push button. Clicking it fires OnClick and hands ModalResult to its form;
// a Default button answers Enter and a Cancel button Escape.
class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);

    int ModalResult = mrNone;
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel = false;
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // Tells the button whether it is the one Enter would press now.
    virtual void SetButtonStyle(bool isDefault);
    bool IsActive() const { return FActive; }

private:
    bool FDefault = false;
    bool FActive = false;
};

// A frame with a caption around a group of controls; derived groups may
// paint nothing of their own and use the whole client area.
class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent* owner);

protected:
    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
public:
    using TCustomGroupBox::TCustomGroupBox;
};
