#include "ui/controls/check_box.h"

#include "ui/base/image_container.h"
#include "ui/controls/draw_helpers.h"

int CheckCell(TCheckBoxState state) {
    switch (state) {
    case cbChecked: return 0;
    case cbGrayed: return 2;
    default: return 1;
    }
}

TMCustomCheckBox::TMCustomCheckBox(TComponent* owner) : TOwnerDrawButton(owner) {
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
    SetParentColor(true);
    SetBounds(0, 0, 97, 17);
}

void TMCustomCheckBox::SetAlignment(TLeftRight value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TMCustomCheckBox::SetState(TCheckBoxState value) {
    if (value == FState) return;
    FState = value;
    Invalidate();
    if (!IsLoading()) Click();
}

void TMCustomCheckBox::SetGlyph(const TBitmap& value) {
    FGlyph.Assign(value);
    Invalidate();
}

void TMCustomCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TMCustomCheckBox::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) Toggle();
        m.Result = 1;
        return;
    }
    TOwnerDrawButton::WndProc(m);
}

void TMCustomCheckBox::DrawButton(const DRAWITEMSTRUCT& item) {
    const TCanvasBinding binding(Canvas, item.hDC, Font());
    const TRect client = ClientRect();
    Canvas.Brush().SetColor(Color());
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.FillRect(client);

    const TBitmap& picture = FCustomGlyph ? FGlyph : ContainerPicture(L"Check");
    const int cellWidth = picture.Width() / 3;
    TRect text = client;
    TPoint box{0, 0};
    if (FAlignment == taLeftJustify) {
        text.Right -= cellWidth;
        box.X = Width() - cellWidth;
    } else {
        text.Left += cellWidth;
    }
    const int textHeight = Canvas.TextHeight(L"Wg");
    if (picture.Height() - textHeight < 1)
        box.Y += (textHeight - picture.Height()) / 2;
    else
        text = text.Offset(0, (picture.Height() - textHeight) / 2);
    const int cell = CheckCell(FState);
    if (cellWidth > 0)
        Canvas.DrawPartKeyed(Bounds(box.X, box.Y, cellWidth, picture.Height()), picture,
                             Bounds(cell * cellWidth, 0, cellWidth, picture.Height()), picture.Pixel(0, 0));

    const bool focused = (item.itemState & ODS_FOCUS) != 0 || Focused();
    TColor shortcut = clRed;
    if (!Enabled()) {
        Canvas.Font().SetColor(clGrayText);
        shortcut = clGrayText;
    } else if (focused) {
        Canvas.Font().SetColor(clRed);
    }
    Canvas.Brush().SetStyle(bsClear);
    DrawShortcutText(Canvas, Caption(), text, focused, shortcut, 0);
}
