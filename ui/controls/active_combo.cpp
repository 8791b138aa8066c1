#include "ui/controls/active_combo.h"

#include <utility>

#include "ui/controls/draw_helpers.h"
#include "ui/platform/graphics/gdi_handle.h"

namespace {

// Sets a flag for a scope and puts its old value back however the scope ends.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag), FSaved(std::exchange(flag, true)) {}
    ~TFlagScope() { FFlag = FSaved; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};

}  // namespace

TActiveCombo::TActiveCombo(TComponent* owner) : TComboBox(owner), FLink(*this) {}

void TActiveCombo::RecreateWhenFlat() {
    if (FFlatStyle) RecreateWnd();
}

void TActiveCombo::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    Invalidate();
    RecreateWhenFlat();
}

void TActiveCombo::SetBorderColorF(TColor value) {
    if (value == FBorderColorF) return;
    FBorderColorF = value;
    Invalidate();
    RecreateWhenFlat();
}

void TActiveCombo::SetFlatStyle(bool value) {
    if (value == FFlatStyle) return;
    FFlatStyle = value;
    RecreateWnd();
}

void TActiveCombo::SetBevelOuter(TBevelCut value) {
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    RecreateWhenFlat();
}

void TActiveCombo::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    RecreateWhenFlat();
}

bool TActiveCombo::IsFlat() const { return Ctl3D() && FFlatStyle && FBorderStyle == bsSingle; }

// The combo box hears of the focus through its notifications: the focus
// usually lands in its own edit, whose messages it never sees.
void TActiveCombo::Command(TMessage& m) {
    switch (HIWORD(m.WParam)) {
    case CBN_SETFOCUS:
        fFocused = true;
        TComboBox::WndProc(m);
        FLink.Highlight();
        if (IsFlat()) PaintFlatPartsNow();
        return;
    case CBN_KILLFOCUS:
        fFocused = false;
        TComboBox::WndProc(m);
        FLink.Restore();
        if (IsFlat()) PaintFlatPartsNow();
        return;
    case CBN_EDITCHANGE: {
        const TFlagScope typing(FTyping);
        TComboBox::WndProc(m);
        return;
    }
    default: TComboBox::WndProc(m);
    }
}

void TActiveCombo::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        Command(m);
        return;
    }
    TComboBox::WndProc(m);
    switch (m.Msg) {
    case WM_PAINT:
        if (m.WParam) return;  // printed: PaintWindow draws the flat parts
        [[fallthrough]];
    case WM_SETFOCUS:
    case WM_LBUTTONUP:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_EXIT:
        if (FFlatStyle) PaintFlatPartsNow();
        return;
    default: return;
    }
}

void TActiveCombo::PaintWindow(HDC dc) {
    {
        // The system combo box may leave its own clipping on a context it is given.
        const TSavedDC saved(dc);
        TComboBox::PaintWindow(dc);
    }
    if (FFlatStyle) PaintFlatParts(dc);
}

void TActiveCombo::PaintNonClient(HDC dc) {
    if (FFlatStyle) PaintFlatParts(dc);
}

void TActiveCombo::CloseUp() {
    TComboBox::CloseUp();
    if (FFlatStyle) PaintFlatPartsNow();
}

void TActiveCombo::KeyDown(WORD& key, TShiftState shift) {
    TComboBox::KeyDown(key, shift);
    FWasDroppedDown = key == VK_ESCAPE && DroppedDown();
    if (FAutoComplete) LastKey = key;
}

// Only typed text is completed; Backspace and Delete take text away, so
// they neither complete nor report the change.
void TActiveCombo::Change() {
    if (!FAutoComplete || !FTyping) {
        TComboBox::Change();
        return;
    }
    const WORD key = std::exchange(LastKey, 0);
    if (key == VK_BACK || key == VK_DELETE) return;
    Complete();
    TComboBox::Change();
}

// The search starts after item 0, so item 0 is examined last. Nothing
// typed completes to nothing.
void TActiveCombo::Complete() {
    const std::wstring typed = Text();
    if (typed.empty()) return;
    const LRESULT found = SendMessageW(Handle(), CB_FINDSTRING, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    if (found == CB_ERR) return;
    const int index = static_cast<int>(found);
    SetItemIndex(index);
    const auto itemLength = static_cast<WORD>(Items().Strings(index).size());
    SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(typed.size()), itemLength));
}

void TActiveCombo::PaintFlatPartsNow() {
    if (!HandleAllocated()) return;
    const TWindowDC window(Handle());
    if (window.Get()) PaintFlatParts(window.Get());
}

void TActiveCombo::PaintFlatParts(HDC dc) {
    const TCanvasBinding binding(FCanvas, dc);
    RECT frame;
    GetWindowRect(Handle(), &frame);
    const TSize size{frame.right - frame.left, frame.bottom - frame.top};
    if (FBorderStyle == bsSingle)
        DrawFlatBorder(FCanvas, size, FBevelOuter, fFocused ? FBorderColorF : FBorderColor, Color());
    else
        DrawFlatBorder(FCanvas, size, bvNone, Color(), Color());
    PaintButton();
}

// A gap in the combo's colour, then the button proper with its separator
// or its 3-D frame, and the arrow, pushed by a pixel while the list is open.
void TActiveCombo::PaintButton() {
    TColor border = fFocused && FBevelOuter == bvNone ? FBorderColorF : FBorderColor;
    if (border == clNone) border = Color();
    const TRect client = ClientRect();
    const TRect button{client.Right - GetSystemMetrics(SM_CXHTHUMB) - 5, client.Top + 1, client.Right - 1,
                       client.Bottom - 1};
    const auto fill = [this](const TRect& r, TColor color) {
        FCanvas.Brush().SetColor(color);
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.FillRect(r);
    };
    fill(button, FButtonColor);
    fill({button.Left, button.Top, button.Left + 3, button.Bottom}, Color());
    TRect proper{button.Left + 3, button.Top, button.Right, button.Bottom};
    const bool dropped = DroppedDown();
    const bool pressed = dropped && MouseInControl();
    int shift = dropped ? 1 : 0;
    const TRect separator{button.Left + 2, button.Top, button.Left + 3, button.Bottom};
    if (FBorderStyle == bsNone) {
        fill(separator, Color());
    } else if (FBevelOuter == bvNone) {
        fill(separator, border);
    } else if (FBevelOuter == bvLowered) {
        if (pressed)
            Frame3D(FCanvas, proper, clBtnShadow, clBtnHighlight, 1);
        else
            Frame3D(FCanvas, proper, clBtnHighlight, clBtnShadow, 1);
    } else if (FBevelOuter == bvRaised) {
        if (pressed) Frame3D(FCanvas, proper, clBtnShadow, clBtnHighlight, 1);
    } else {
        shift = 0;
    }
    FCanvas.Pen().SetColor(FArrowColor);
    FCanvas.Brush().SetColor(FArrowColor);
    const int r = client.Right + shift, t = client.Top + shift;
    FCanvas.Polygon({TPoint{r - 13, t + 8}, TPoint{r - 7, t + 8}, TPoint{r - 10, t + 11}});
}
