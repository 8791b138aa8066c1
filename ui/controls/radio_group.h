// The framework's radio buttons and radio group. A radio button is an
// owner-drawn button whose circle comes from the image container's "Radio"
// picture (two cells: unchecked, checked); checking one unchecks the other
// radio buttons of its parent. A radio group makes one button per item,
// arranges them in columns without frame or caption, and lets its owner
// veto a change of selection (OnModify).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/controls/check_box.h"
#include "ui/platform/edit_controls.h"

class TMCustomRadioGroup;

class TMRadioButton : public TOwnerDrawButton {
public:
    explicit TMRadioButton(TComponent* owner);

    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);
    bool Checked() const { return FChecked; }
    // A checked button is a tab stop; checking it unchecks its radio
    // siblings and fires OnClick (not while loading).
    void SetChecked(bool value);

protected:
    void WndProc(TMessage& message) override;
    void DrawButton(const DRAWITEMSTRUCT& item) override;
    void ButtonClicked() override { SetChecked(true); }
    void ButtonDoubleClicked() override { DblClick(); }

private:
    void UncheckSiblings();
    void Draw(TCanvas& canvas, bool focused);

    TCanvas Canvas;
    TLeftRight FAlignment = taRightJustify;
    bool FChecked = false;
};

// A button that a radio group makes for one of its items. Its clicks count
// only when the group allows a change; its keys reach the group too.
class TMGroupButton : public TMRadioButton {
public:
    explicit TMGroupButton(TMCustomRadioGroup& group);
    ~TMGroupButton() override;

protected:
    void ButtonClicked() override;
    void ButtonDoubleClicked() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(wchar_t& key) override;

private:
    friend class TMCustomRadioGroup;
    TMCustomRadioGroup* FGroup;
};

using TModifyEvent = std::function<void(TObject* Sender, bool& CanModify)>;

class TMCustomRadioGroup : public TCustomGroupBox {
public:
    explicit TMCustomRadioGroup(TComponent* owner);
    ~TMCustomRadioGroup() override;

    int Columns() const { return FColumns; }
    // Clamped to 1 ... 16.
    void SetColumns(int value);
    int ItemIndex() const { return FItemIndex; }
    // Clamped to -1 ... the last item (while loading: stored as given).
    void SetItemIndex(int value);
    TStrings& Items() { return *FItems; }
    void SetItems(const TStrings& items) { FItems->Assign(items); }
    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    TMGroupButton* Buttons(int index) const { return FButtons.at(static_cast<std::size_t>(index)); }
    // True unless OnModify says no.
    virtual bool CanModify();
    void Loaded() override;

    TModifyEvent OnModify;

    static constexpr int MaxColumns = 16;

protected:
    void BeforeDestruction() override;
    void AdjustClientRect(TRect& rect) const override { (void)rect; }
    void Paint() override {}
    void KeyDown(WORD& key, TShiftState shift) override;
    void EnabledChanged() override;
    void FontChanged() override;
    void Resize() override;

private:
    friend class TMGroupButton;
    void ButtonClick(TObject* sender);
    void ItemsChanged();
    void UpdateButtons();
    void ArrangeButtons();
    void DetachButtons();
    static bool IsSelectionKey(WORD key);

    std::vector<TMGroupButton*> FButtons;
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FUpdating = false;
};

class TMRadioGroup : public TMCustomRadioGroup {
public:
    using TMCustomRadioGroup::TMCustomRadioGroup;
};
