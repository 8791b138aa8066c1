#include "ui/controls/radio_group.h"

#include <algorithm>
#include <cstdlib>

#include "ui/base/image_container.h"
#include "ui/controls/draw_helpers.h"
#include "ui/platform/graphics/gdi_handle.h"

// ------------------------------------------------------------ TMRadioButton

TMRadioButton::TMRadioButton(TComponent* owner) : TOwnerDrawButton(owner) {
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
    SetTabStop(false);
    SetParentColor(true);
    SetBounds(0, 0, 113, 17);
}

void TMRadioButton::SetAlignment(TLeftRight value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TMRadioButton::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    SetTabStop(value);
    Invalidate();
    if (!value) return;
    UncheckSiblings();
    if (!IsLoading()) Click();
}

void TMRadioButton::UncheckSiblings() {
    TWinControl* parent = Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TMRadioButton*>(parent->Controls(i)); other && other != this)
            other->SetChecked(false);
}

// The accelerator focuses the button without checking it.
void TMRadioButton::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        m.Result = 1;
        return;
    }
    TOwnerDrawButton::WndProc(m);
}

void TMRadioButton::DrawButton(const DRAWITEMSTRUCT& item) {
    TBackBuffer buffer(item.hDC, Width(), Height());
    {
        const TCanvasBinding binding(Canvas, buffer.Get(), Font());
        Draw(Canvas, (item.itemState & ODS_FOCUS) != 0 || Focused());
    }
    buffer.CopyTo(item.hDC, 0, 0);
}

void TMRadioButton::Draw(TCanvas& canvas, bool focused) {
    const TRect client{0, 0, Width(), Height()};
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(client);

    const TBitmap& picture = ContainerPicture(L"Radio");
    const int cellWidth = picture.Width() / 2;
    TRect text = client;
    UINT format = 0;
    int boxLeft = 0;
    if (FAlignment == taLeftJustify) {
        format = DT_RIGHT;
        text.Right -= cellWidth;
        boxLeft = Width() - cellWidth;
    } else {
        text.Left += cellWidth;
    }
    // The circle stays at the top.
    if (cellWidth > 0)
        canvas.DrawPartKeyed(Bounds(boxLeft, 0, cellWidth, picture.Height()), picture,
                             Bounds(FChecked ? cellWidth : 0, 0, cellWidth, picture.Height()), picture.Pixel(0, 0));

    TColor shortcut = clRed;
    if (!Enabled()) {
        canvas.Font().SetColor(clGrayText);
        shortcut = clGrayText;
    } else if (focused) {
        canvas.Font().SetColor(clRed);
    }
    text = text.Offset(0, (picture.Height() - canvas.TextHeight(L"Wg")) / 2);
    canvas.Brush().SetStyle(bsClear);
    DrawShortcutText(canvas, Caption(), text, focused, shortcut, format);
}

// ------------------------------------------------------------ TMGroupButton

TMGroupButton::TMGroupButton(TMCustomRadioGroup& group) : TMRadioButton(&group), FGroup(&group) {
    group.FButtons.push_back(this);
    SetVisible(false);
    SetEnabled(group.Enabled());
    ParentShowHint = false;
    OnClick = [&group](TObject* sender) { group.ButtonClick(sender); };
    SetParent(&group);
}

TMGroupButton::~TMGroupButton() {
    if (FGroup) std::erase(FGroup->FButtons, this);
}

void TMGroupButton::ButtonClicked() {
    if (FGroup && FGroup->CanModify()) TMRadioButton::ButtonClicked();
}

void TMGroupButton::ButtonDoubleClicked() {
    if (FGroup && FGroup->CanModify()) TMRadioButton::ButtonDoubleClicked();
}

void TMGroupButton::KeyDown(WORD& key, TShiftState shift) {
    TMRadioButton::KeyDown(key, shift);
    if (FGroup) FGroup->KeyDown(key, shift);
}

void TMGroupButton::KeyPress(wchar_t& key) {
    TMRadioButton::KeyPress(key);
    if (!FGroup) return;
    FGroup->KeyPress(key);
    if ((key == L'\b' || key == L' ') && !FGroup->CanModify()) key = 0;
}

// ------------------------------------------------------- TMCustomRadioGroup

TMCustomRadioGroup::TMCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), FItems(std::make_unique<TStringList>()) {
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TMCustomRadioGroup::~TMCustomRadioGroup() { DetachButtons(); }

// The buttons go with the group's children; they need not leave a list
// that goes too.
void TMCustomRadioGroup::BeforeDestruction() {
    DetachButtons();
    TCustomGroupBox::BeforeDestruction();
}

void TMCustomRadioGroup::DetachButtons() {
    for (TMGroupButton* button : FButtons) button->FGroup = nullptr;
    FButtons.clear();
}

void TMCustomRadioGroup::SetColumns(int value) {
    value = std::clamp(value, 1, MaxColumns);
    if (value == FColumns) return;
    FColumns = value;
    ArrangeButtons();
}

void TMCustomRadioGroup::SetItemIndex(int value) {
    if (IsLoading()) {
        FItemIndex = value;  // the items may come later in the definition
        return;
    }
    value = std::clamp(value, -1, ButtonCount() - 1);
    if (value == FItemIndex) return;
    if (FItemIndex >= 0 && FItemIndex < ButtonCount()) Buttons(FItemIndex)->SetChecked(false);
    FItemIndex = value;
    if (value >= 0) Buttons(value)->SetChecked(true);
}

bool TMCustomRadioGroup::CanModify() {
    bool canModify = true;
    if (OnModify) OnModify(this, canModify);
    return canModify;
}

void TMCustomRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
    UpdateButtons();
}

void TMCustomRadioGroup::ButtonClick(TObject* sender) {
    if (FUpdating) return;
    const auto it = std::find(FButtons.begin(), FButtons.end(), sender);
    if (it == FButtons.end()) return;
    FItemIndex = static_cast<int>(it - FButtons.begin());
    Click();
}

void TMCustomRadioGroup::ItemsChanged() {
    if (IsLoading()) return;
    FItemIndex = std::min(FItemIndex, FItems->Count() - 1);
    UpdateButtons();
}

void TMCustomRadioGroup::UpdateButtons() {
    while (ButtonCount() < FItems->Count()) new TMGroupButton(*this);
    while (ButtonCount() > FItems->Count()) {
        TMGroupButton* surplus = FButtons.back();
        FButtons.pop_back();
        surplus->FGroup = nullptr;
        surplus->Free();
    }
    for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->SetCaption(FItems->Strings(i));
    if (FItemIndex >= 0) {
        FUpdating = true;
        Buttons(FItemIndex)->SetChecked(true);
        FUpdating = false;
    }
    ArrangeButtons();
}

// Down the first column, then the next. The rows are spread so that the
// last one ends where a full row would.
void TMCustomRadioGroup::ArrangeButtons() {
    if (IsLoading() || FButtons.empty()) return;
    const int count = ButtonCount();
    const int perColumn = (count + FColumns - 1) / FColumns;
    const int columnWidth = Width() / FColumns;
    int rowHeight = Height() / perColumn;
    if (perColumn != 1) rowHeight += (rowHeight - std::abs(Font().Height())) / (perColumn - 1);
    for (int i = 0; i < count; ++i) {
        TMGroupButton* button = Buttons(i);
        button->SetBounds((i / perColumn) * columnWidth, (i % perColumn) * rowHeight, columnWidth, rowHeight);
        button->SetVisible(true);
    }
}

void TMCustomRadioGroup::EnabledChanged() {
    TCustomGroupBox::EnabledChanged();
    for (TMGroupButton* button : FButtons) button->SetEnabled(Enabled());
}

void TMCustomRadioGroup::FontChanged() {
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

void TMCustomRadioGroup::Resize() {
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

// The selection keys move the focus to the selected button too; other keys
// (Space on another button, the arrows) leave the focus where it is.
void TMCustomRadioGroup::KeyDown(WORD& key, TShiftState shift) {
    const int count = ButtonCount();
    if (CanFocus() && count > 0 && IsSelectionKey(key)) {
        switch (key) {
        case VK_HOME: SetItemIndex(0); break;
        case VK_END: SetItemIndex(count - 1); break;
        case VK_PRIOR:
            if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
            break;
        default:
            if (FItemIndex < count - 1) SetItemIndex(FItemIndex + 1);
            break;
        }
        if (FItemIndex >= 0 && !Buttons(FItemIndex)->Focused()) Buttons(FItemIndex)->SetFocus();
    }
    TCustomGroupBox::KeyDown(key, shift);
}

bool TMCustomRadioGroup::IsSelectionKey(WORD key) {
    return key == VK_HOME || key == VK_END || key == VK_PRIOR || key == VK_NEXT;
}
