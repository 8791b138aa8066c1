#include "ui/controls/active_label.h"

#include "ui/controls/draw_helpers.h"

bool HoldsFocus(TWinControl& control) {
    return control.HandleAllocated() && TWinControl::FindControl(GetFocus()) == &control;
}

TActiveLabel::TActiveLabel(TComponent* owner) : TLabel(owner) { SetAutoSize(false); }

TActiveLabel::~TActiveLabel() { ReleaseLinks(); }

void TActiveLabel::BeforeDestruction() {
    ReleaseLinks();
    TLabel::BeforeDestruction();
}

void TActiveLabel::ReleaseLinks() {
    for (TLabelLink* link : FLinks) link->FLabel = nullptr;
    FLinks.clear();
}

void TActiveLabel::Click() {
    TLabel::Click();
    if (TWinControl* target = FocusControl(); target && target->CanFocus()) target->SetFocus();
}

void TActiveLabel::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(bsClear);
    std::wstring text = Caption().substr(0, MaxDrawnLength);
    UINT format = DT_EXPANDTABS | DT_SINGLELINE;
    if (Alignment() == taRightJustify) format |= DT_RIGHT;
    if (Alignment() == taCenter) format |= DT_CENTER;
    if (!Enabled()) {
        DrawEngraved(text, ShowAccelChar() ? format : format | DT_NOPREFIX);
        return;
    }
    if (text.empty() || (ShowAccelChar() && text == L"&")) text = L" ";
    if (!ShowAccelChar()) {
        TRect r = client;
        canvas.DrawText(text, r, format | DT_NOPREFIX);
        return;
    }
    TWinControl* target = FocusControl();
    DrawShortcutText(canvas, text, client, target && HoldsFocus(*target), clRed, format);
}

// White one pixel below and right, then grey in place.
void TActiveLabel::DrawEngraved(std::wstring_view text, UINT format) {
    TCanvas& canvas = Canvas();
    TRect shadow = ClientRect().Offset(1, 1);
    canvas.Font().SetColor(clWhite);
    canvas.DrawText(text, shadow, format);
    TRect r = ClientRect();
    canvas.Font().SetColor(clGray);
    canvas.DrawText(text, r, format);
}

void TActiveLabel::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR) {
        TWinControl* target = FocusControl();
        if (target && Enabled() && ShowAccelChar() && IsAccel(static_cast<wchar_t>(m.WParam), Caption()) &&
            target->CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    TLabel::WndProc(m);
}

void TLabelLink::SetLabel(TActiveLabel* label) {
    if (label == FLabel) return;
    if (FLabel) std::erase(FLabel->FLinks, this);
    FLabel = label;
    if (!label) return;
    label->FLinks.push_back(this);
    label->SetFocusControl(&FControl);
}

void TLabelLink::Highlight() {
    if (!FLabel) return;
    FOldColor = FLabel->Font().Color();
    FOldStyle = FLabel->Font().Style();
    FLabel->Font().SetColor(LabelColor);
    FLabel->Font().SetStyle(FOldStyle);
}

void TLabelLink::Restore() {
    if (!FLabel) return;
    FLabel->Font().SetColor(FOldColor);
    FLabel->Font().SetStyle(FOldStyle);
}
