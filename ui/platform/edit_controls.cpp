#include "ui/platform/edit_controls.h"

#include <algorithm>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/platform_classes.h"

namespace {

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
               CSTR_EQUAL;
}

// Counts nested "silent" sections, in which the library's own text changes
// are not reported again by the control's change notification.
class TSilence {
public:
    explicit TSilence(int& counter) : FCounter(counter) { ++FCounter; }
    ~TSilence() { --FCounter; }
    TSilence(const TSilence&) = delete;
    TSilence& operator=(const TSilence&) = delete;

private:
    int& FCounter;
};

std::wstring WithCrLf(std::wstring_view text) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            result += L"\r\n";
            ++i;
        } else if (c == L'\r' || c == L'\n') {
            result += L"\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

LRESULT Send(TWinControl& control, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.Handle(), msg, wParam, lParam);
}

LPARAM TextParam(const std::wstring& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

}  // namespace

// ---------------------------------------------------------------- TStrings

std::vector<std::wstring> SplitLines(std::wstring_view text) {
    std::vector<std::wstring> lines;
    if (text.empty()) return lines;
    std::wstring line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c != L'\r' && c != L'\n') {
            line += c;
            continue;
        }
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    lines.push_back(std::move(line));
    return lines;
}

int CompareTextLocale(std::wstring_view a, std::wstring_view b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

int TStrings::Add(const std::wstring& text) {
    const int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::IndexOf(std::wstring_view text) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (SameTextIgnoringCase(Strings(i), text)) return i;
    return -1;
}

std::wstring TStrings::Text() const {
    std::wstring text;
    for (int i = 0, n = Count(); i < n; ++i) {
        if (i > 0) text += L"\r\n";
        text += Strings(i);
    }
    return text;
}

void TStrings::SetText(std::wstring_view text) { Assign(SplitLines(text)); }

void TStrings::Assign(const TStrings& source) {
    if (&source != this) Assign(source.ToVector());
}

void TStrings::Assign(const std::vector<std::wstring>& lines) {
    BeginUpdate();
    try {
        SetLines(lines);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::SetLines(const std::vector<std::wstring>& lines) {
    Clear();
    for (const std::wstring& line : lines) Add(line);
}

std::vector<std::wstring> TStrings::ToVector() const {
    std::vector<std::wstring> lines;
    for (int i = 0, n = Count(); i < n; ++i) lines.push_back(Strings(i));
    return lines;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0 || --FUpdateCount > 0 || !FChangedWhileUpdating) return;
    FChangedWhileUpdating = false;
    Changed();
}

void TStrings::Changed() {
    if (FUpdateCount > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnChange) OnChange(this);
}

void TStrings::CheckIndex(int index, bool end) const {
    const int limit = end ? Count() + 1 : Count();
    if (index < 0 || index >= limit)
        throw EStringListError(L"Indice de lista in afara limitelor (" + std::to_wstring(index) + L")");
}

// ------------------------------------------------------------- TStringList

std::wstring TStringList::Strings(int index) const {
    CheckIndex(index);
    return FItems[static_cast<std::size_t>(index)];
}

void TStringList::Set(int index, const std::wstring& text) {
    CheckIndex(index);
    if (FSorted) {
        DeleteItem(index);
        InsertItem(SortedPosition(text), text);
    } else {
        PutItem(index, text);
    }
    Changed();
}

void TStringList::Insert(int index, const std::wstring& text) {
    CheckIndex(index, true);
    InsertItem(FSorted ? SortedPosition(text) : index, text);
    Changed();
}

int TStringList::Add(const std::wstring& text) {
    const int index = FSorted ? SortedPosition(text) : Count();
    InsertItem(index, text);
    Changed();
    return index;
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    DeleteItem(index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    ClearItems();
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    if (!value) return;
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const std::wstring& a, const std::wstring& b) { return CompareTextLocale(a, b) < 0; });
    ItemsReordered();
    Changed();
}

int TStringList::SortedPosition(const std::wstring& text) const {
    const auto it = std::upper_bound(FItems.begin(), FItems.end(), text, [](const std::wstring& a, const std::wstring& b) {
        return CompareTextLocale(a, b) < 0;
    });
    return static_cast<int>(it - FItems.begin());
}

void TStringList::InsertItem(int index, const std::wstring& text) {
    FItems.insert(FItems.begin() + index, text);
}

void TStringList::PutItem(int index, const std::wstring& text) { FItems[static_cast<std::size_t>(index)] = text; }

void TStringList::DeleteItem(int index) { FItems.erase(FItems.begin() + index); }

void TStringList::ClearItems() { FItems.clear(); }

// ------------------------------------------------------------- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    FControlStyle &= ~static_cast<unsigned>(csSetCaption | csClickEvents);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"EDIT";
    p.WinClassName = L"Edit";
    static constexpr DWORD AlignmentStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    p.Style |= AlignmentStyles[FAlignment];
    if (FReadOnly) p.Style |= ES_READONLY;
    if (!IsMultiLine()) {
        p.Style |= ES_AUTOHSCROLL;
        if (FPasswordChar) p.Style |= ES_PASSWORD;
    }
    if (FBorderStyle == bsSingle) AddBorderStyle(p);
}

void TCustomEdit::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    Send(*this, EM_SETLIMITTEXT, static_cast<WPARAM>(FMaxLength));
    if (FPasswordChar && !IsMultiLine()) Send(*this, EM_SETPASSWORDCHAR, FPasswordChar);
    SetSelection(FSelection);
}

void TCustomEdit::DestroyWnd() {
    FSelection = Selection();
    TWinControl::DestroyWnd();
}

void TCustomEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    if (HandleAllocated()) Send(*this, EM_SETREADONLY, value);
}

void TCustomEdit::SetMaxLength(int value) {
    FMaxLength = std::max(0, value);
    if (HandleAllocated()) Send(*this, EM_SETLIMITTEXT, static_cast<WPARAM>(FMaxLength));
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    RecreateWnd();
}

void TCustomEdit::SetPasswordChar(wchar_t value) {
    if (value == FPasswordChar) return;
    FPasswordChar = value;
    RecreateWnd();
}

TCustomEdit::TSelection TCustomEdit::Selection() const {
    if (auto* self = const_cast<TCustomEdit*>(this); self->HandleAllocated()) {
        DWORD start = 0, end = 0;
        Send(*self, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end - start)};
    }
    const int length = static_cast<int>(TControl::GetText().size());
    const int start = std::clamp(FSelection.Start, 0, length);
    return {start, std::clamp(FSelection.Length, 0, length - start)};
}

void TCustomEdit::SetSelection(TSelection selection) {
    selection.Start = std::max(0, selection.Start);
    selection.Length = std::max(0, selection.Length);
    FSelection = selection;
    if (!HandleAllocated()) return;
    Send(*this, EM_SETSEL, static_cast<WPARAM>(selection.Start),
         static_cast<LPARAM>(selection.Start + selection.Length));
    Send(*this, EM_SCROLLCARET);
}

int TCustomEdit::SelStart() const { return Selection().Start; }
void TCustomEdit::SetSelStart(int value) { SetSelection({value, 0}); }
int TCustomEdit::SelLength() const { return Selection().Length; }
void TCustomEdit::SetSelLength(int value) { SetSelection({Selection().Start, value}); }

std::wstring TCustomEdit::SelText() const {
    const TSelection s = Selection();
    const std::wstring text = GetText();
    if (s.Start >= static_cast<int>(text.size())) return {};
    return text.substr(static_cast<std::size_t>(s.Start), static_cast<std::size_t>(s.Length));
}

void TCustomEdit::SetSelText(const std::wstring& text) {
    const TSelection s = Selection();
    ReplaceText(s.Start, s.Start + s.Length, text);
}

void TCustomEdit::SelectAll() { SetSelection({0, static_cast<int>(GetText().size())}); }

void TCustomEdit::ReplaceText(int start, int end, const std::wstring& text) {
    if (HandleAllocated()) {
        TSilence silence(FSilentChanges);
        Send(*this, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
        Send(*this, EM_REPLACESEL, FALSE, TextParam(text));
    } else {
        std::wstring all = TControl::GetText();
        const auto first = static_cast<std::size_t>(std::clamp(start, 0, static_cast<int>(all.size())));
        const auto last = static_cast<std::size_t>(std::clamp(end, static_cast<int>(first), static_cast<int>(all.size())));
        all.replace(first, last - first, text);
        SetTextBuf(all);
        FSelection = {static_cast<int>(first + text.size()), 0};
    }
    Change();
}

void TCustomEdit::SetTextBuf(const std::wstring& text) {
    TSilence silence(FSilentChanges);
    TWinControl::SetTextBuf(text);
}

void TCustomEdit::TextChanged() {
    TWinControl::TextChanged();
    Change();
}

void TCustomEdit::Change() {
    if (OnChange && !IsLoading()) OnChange(this);
}

void TCustomEdit::DoEnter() {
    if (AutoSelect && !IsMultiLine() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == EN_CHANGE && FSilentChanges == 0) Change();
        return;
    }
    TWinControl::WndProc(m);
}

// ------------------------------------------------------------- TCustomMemo

// The memo's lines, read from and written into its text.
class TCustomMemo::TMemoStrings final : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo& memo) : FMemo(memo) {}

    int Count() const override { return static_cast<int>(Lines().size()); }
    std::wstring Strings(int index) const override {
        CheckIndex(index);
        return Lines()[static_cast<std::size_t>(index)];
    }
    void Set(int index, const std::wstring& text) override {
        CheckIndex(index);
        const int start = Offset(index);
        FMemo.ReplaceText(start, start + static_cast<int>(Lines()[static_cast<std::size_t>(index)].size()), text);
        Changed();
    }
    void Insert(int index, const std::wstring& text) override {
        CheckIndex(index, true);
        const int count = Count();
        if (count == 0)
            FMemo.ReplaceText(0, 0, text);
        else if (index < count)
            FMemo.ReplaceText(Offset(index), Offset(index), text + L"\r\n");
        else
            FMemo.ReplaceText(TextLength(), TextLength(), L"\r\n" + text);
        Changed();
    }
    void Delete(int index) override {
        CheckIndex(index);
        const int count = Count();
        if (count == 1)
            FMemo.ReplaceText(0, TextLength(), L"");
        else if (index < count - 1)
            FMemo.ReplaceText(Offset(index), Offset(index + 1), L"");
        else
            FMemo.ReplaceText(Offset(index) - 2, TextLength(), L"");
        Changed();
    }
    void Clear() override {
        if (TextLength() == 0) return;
        FMemo.SetText(L"");
        Changed();
    }
    std::wstring Text() const override { return FMemo.Text(); }

protected:
    // All lines at once: one new text for the memo.
    void SetLines(const std::vector<std::wstring>& lines) override {
        std::wstring text;
        for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? L"\r\n" : L"") + lines[i];
        if (text == FMemo.Text()) return;
        FMemo.SetText(text);
        Changed();
    }

private:
    std::vector<std::wstring> Lines() const { return SplitLines(FMemo.Text()); }
    int TextLength() const { return static_cast<int>(FMemo.Text().size()); }
    // Where line `index` starts in the text (lines are separated by CR LF).
    int Offset(int index) const {
        const std::vector<std::wstring> lines = Lines();
        int offset = 0;
        for (int i = 0; i < index; ++i) offset += static_cast<int>(lines[static_cast<std::size_t>(i)].size()) + 2;
        return offset;
    }

    TCustomMemo& FMemo;
};

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TMemoStrings>(*this)) {
    SetBounds(0, 0, 185, 89);
    AutoSelect = false;
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (FWantReturns) p.Style |= ES_WANTRETURN;
    if (!FWordWrap) p.Style |= ES_AUTOHSCROLL;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) p.Style |= WS_VSCROLL;
    if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap) p.Style |= WS_HSCROLL;
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
    if (value == FScrollBars) return;
    FScrollBars = value;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    RecreateWnd();
}

void TCustomMemo::SetWantReturns(bool value) {
    if (value == FWantReturns) return;
    FWantReturns = value;
    RecreateWnd();
}

void TCustomMemo::SetTextBuf(const std::wstring& text) { TCustomEdit::SetTextBuf(WithCrLf(text)); }

bool TCustomMemo::WantsKey(WORD key) {
    switch (key) {
    case VK_TAB: return WantTabs;
    case VK_RETURN: return FWantReturns;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: return true;
    default: return false;
    }
}

void TCustomMemo::WndProc(TMessage& m) {
    // A key the memo does not want is not typed into it either, when no
    // button of the form took it.
    if (m.Msg == WM_CHAR && ((m.WParam == L'\t' && !WantTabs) || (m.WParam == L'\r' && !FWantReturns))) return;
    TCustomEdit::WndProc(m);
}

// --------------------------------------------------------- TCustomComboBox

// The combo box's items: kept here, mirrored into the window when there is one.
class TCustomComboBox::TComboStrings final : public TStringList {
public:
    explicit TComboStrings(TCustomComboBox& combo) : FCombo(combo) {}

protected:
    void InsertItem(int index, const std::wstring& text) override {
        TStringList::InsertItem(index, text);
        if (FCombo.HandleAllocated())
            Send(FCombo, CB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text));
        else if (!FCombo.IsLoading() && FCombo.FItemIndex >= index)
            ++FCombo.FItemIndex;  // the same item stays selected
    }
    void PutItem(int index, const std::wstring& text) override {
        TStringList::PutItem(index, text);
        if (!FCombo.HandleAllocated()) return;
        const bool selected = FCombo.ItemIndex() == index;
        Send(FCombo, CB_DELETESTRING, static_cast<WPARAM>(index));
        Send(FCombo, CB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text));
        if (selected) Send(FCombo, CB_SETCURSEL, static_cast<WPARAM>(index));
    }
    void DeleteItem(int index) override {
        TStringList::DeleteItem(index);
        if (FCombo.HandleAllocated())
            Send(FCombo, CB_DELETESTRING, static_cast<WPARAM>(index));
        else if (FCombo.IsLoading())
            return;
        else if (FCombo.FItemIndex == index)
            FCombo.FItemIndex = -1;
        else if (FCombo.FItemIndex > index)
            --FCombo.FItemIndex;
    }
    void ClearItems() override {
        TStringList::ClearItems();
        if (!FCombo.IsLoading()) FCombo.FItemIndex = -1;
        if (FCombo.HandleAllocated()) Send(FCombo, CB_RESETCONTENT);
    }
    void ItemsReordered() override {
        if (FCombo.HandleAllocated()) FCombo.RefillWindow();
    }

private:
    TCustomComboBox& FCombo;
};

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TComboStrings>(*this)) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    FControlStyle &= ~static_cast<unsigned>(csSetCaption | csClickEvents);
}

TCustomComboBox::~TCustomComboBox() = default;

TStrings& TCustomComboBox::Items() { return *FItems; }
const TStrings& TCustomComboBox::Items() const { return *FItems; }

void TCustomComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"COMBOBOX";
    p.WinClassName = L"ComboBox";
    static constexpr DWORD Styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | Styles[FStyle];
}

void TCustomComboBox::FillWindow() {
    Send(*this, CB_RESETCONTENT);
    for (const std::wstring& item : FItems->ToVector()) Send(*this, CB_ADDSTRING, 0, TextParam(item));
}

// After the items were reordered: the same text, at its new place.
void TCustomComboBox::RefillWindow() {
    const std::wstring text = GetText();
    FillWindow();
    if (FStyle == csDropDownList)
        Send(*this, CB_SETCURSEL, static_cast<WPARAM>(FItems->IndexOf(text)));
    else
        SetWindowTextSilently(text);
}

void TCustomComboBox::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    FillWindow();
    if (FItemIndex >= 0)
        Send(*this, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex));
    else if (FStyle != csDropDownList)
        SetWindowTextSilently(TControl::GetText());
    if (FStyle != csDropDownList) Send(*this, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
    ApplyDropDownHeight();
}

void TCustomComboBox::DestroyWnd() {
    FItemIndex = static_cast<int>(Send(*this, CB_GETCURSEL));
    TWinControl::DestroyWnd();
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    RecreateWnd();
}

int TCustomComboBox::ItemIndex() const {
    if (auto* self = const_cast<TCustomComboBox*>(this); self->HandleAllocated())
        return static_cast<int>(Send(*self, CB_GETCURSEL));
    return FItemIndex;
}

void TCustomComboBox::SetItemIndex(int index) {
    if (IsLoading()) {
        FItemIndex = index;  // the items may come later in the definition
        return;
    }
    if (index < 0 || index >= FItems->Count()) index = -1;
    FItemIndex = index;
    if (HandleAllocated()) {
        Send(*this, CB_SETCURSEL, static_cast<WPARAM>(index));
        return;
    }
    if (FStyle != csDropDownList) TControl::SetTextBuf(index >= 0 ? FItems->Strings(index) : std::wstring());
}

void TCustomComboBox::Loaded() {
    TWinControl::Loaded();
    if (FItemIndex >= 0) SetItemIndex(FItemIndex);
}

bool TCustomComboBox::Sorted() const { return FItems->Sorted(); }

// The selected item stays selected; while loading, ItemIndex counts in the
// sorted order.
void TCustomComboBox::SetSorted(bool value) {
    const int index = ItemIndex();
    if (IsLoading() || index < 0 || index >= FItems->Count()) {
        FItems->SetSorted(value);
        return;
    }
    const std::wstring selected = FItems->Strings(index);
    FItems->SetSorted(value);
    SetItemIndex(FItems->IndexOf(selected));
}

void TCustomComboBox::SetDropDownCount(int value) {
    FDropDownCount = std::max(1, value);
    ApplyDropDownHeight();
}

void TCustomComboBox::SetMaxLength(int value) {
    FMaxLength = std::max(0, value);
    if (HandleAllocated() && FStyle != csDropDownList) Send(*this, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
}

bool TCustomComboBox::DroppedDown() const {
    auto* self = const_cast<TCustomComboBox*>(this);
    return self->HandleAllocated() && Send(*self, CB_GETDROPPEDSTATE) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) {
    if (HandleAllocated() || Parent()) Send(*this, CB_SHOWDROPDOWN, value);
}

// The window of a drop-down combo includes its list: DropDownCount items
// (fewer when there are fewer) below the closed box.
void TCustomComboBox::ApplyDropDownHeight() {
    if (!HandleAllocated() || FStyle == csSimple) return;
    const int itemHeight = static_cast<int>(Send(*this, CB_GETITEMHEIGHT, 0));
    const int rows = std::clamp(FItems->Count(), 1, FDropDownCount);
    RECT r;
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top + itemHeight * rows + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    ApplyDropDownHeight();
}

std::wstring TCustomComboBox::GetText() const {
    if (HandleAllocated()) return TWinControl::GetText();
    if (FStyle == csDropDownList)
        return FItemIndex >= 0 && FItemIndex < FItems->Count() ? FItems->Strings(FItemIndex) : std::wstring();
    return TControl::GetText();
}

void TCustomComboBox::SetTextBuf(const std::wstring& text) {
    if (FStyle == csDropDownList) {
        SetItemIndex(FItems->IndexOf(text));
        return;
    }
    TSilence silence(FSilentChanges);
    TWinControl::SetTextBuf(text);
}

void TCustomComboBox::SetWindowTextSilently(const std::wstring& text) {
    TSilence silence(FSilentChanges);
    SetWindowTextW(Handle(), text.c_str());
}

void TCustomComboBox::TextChanged() {
    TWinControl::TextChanged();
    Change();
}

void TCustomComboBox::Change() {
    if (OnChange && !IsLoading()) OnChange(this);
}

void TCustomComboBox::Select() {
    if (OnSelect) OnSelect(this);
}

void TCustomComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::Command(WORD code) {
    switch (code) {
    case CBN_EDITCHANGE:
        if (FSilentChanges == 0) Change();
        break;
    case CBN_SELCHANGE: {
        // The edit part shows the chosen item only after this notification.
        const int index = ItemIndex();
        if (FStyle != csDropDownList && index >= 0) SetWindowTextSilently(FItems->Strings(index));
        Change();
        Select();
        break;
    }
    case CBN_DROPDOWN:
        ApplyDropDownHeight();
        DropDown();
        break;
    case CBN_CLOSEUP: CloseUp(); break;
    case CBN_SETFOCUS:
        // A click into the combo box's own edit focuses it without the combo
        // box's window hearing of it; the form learns it here.
        if (TCustomForm* form = ParentForm(); form && Screen->ActiveControl() != this) form->SetFocusedControl(this);
        break;
    default: break;
    }
}

bool TCustomComboBox::WantsKey(WORD key) {
    if ((key == VK_RETURN || key == VK_ESCAPE) && DroppedDown()) return true;
    return TWinControl::WantsKey(key);
}

void TCustomComboBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        // From the combo's own edit and list: coloured like the combo.
        m.Msg += CN_BASE;
        break;
    case CN_COMMAND: Command(HIWORD(m.WParam)); return;
    default: break;
    }
    TWinControl::WndProc(m);
}

// ------------------------------------------------------------ registration

void RegisterEditControls(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TEdit>(L"TEdit");
    r.RegisterClass<TMemo>(L"TMemo");
    r.RegisterClass<TComboBox>(L"TComboBox");
    r.RegisterProperty<TCustomEdit>(L"ReadOnly", [](TCustomEdit& c, V v, X) { c.SetReadOnly(v.AsBool()); });
    r.RegisterProperty<TCustomEdit>(L"MaxLength", [](TCustomEdit& c, V v, X) { c.SetMaxLength(v.AsInt()); });
    r.RegisterProperty<TCustomEdit>(L"BorderStyle", [](TCustomEdit& c, V v, X x) { c.SetBorderStyle(DefBorderStyle(v, x)); });
    r.RegisterProperty<TCustomEdit>(L"Alignment", [](TCustomEdit& c, V v, X x) { c.SetAlignment(DefAlignment(v, x)); });
    r.RegisterProperty<TCustomEdit>(L"AutoSelect", [](TCustomEdit& c, V v, X) { c.AutoSelect = v.AsBool(); });
    r.RegisterProperty<TCustomEdit>(L"PasswordChar", [](TCustomEdit& c, V v, X x) {
        if (v.IsInt()) {
            c.SetPasswordChar(static_cast<wchar_t>(v.AsInt()));
        } else {
            if (v.AsString().size() > 1) x.Fail(v.Line, L"se astepta un singur caracter");
            c.SetPasswordChar(v.AsString().empty() ? L'\0' : v.AsString()[0]);
        }
    });
    r.RegisterEvent(L"OnChange", &TCustomEdit::OnChange);
    r.RegisterProperty<TCustomMemo>(L"Lines", [](TCustomMemo& c, V v, X) { c.Lines().Assign(v.AsStrings()); });
    r.RegisterProperty<TCustomMemo>(L"ScrollBars", [](TCustomMemo& c, V v, X x) {
        c.SetScrollBars(static_cast<TScrollStyle>(
            x.Enum(v, {{L"ssNone", ssNone}, {L"ssHorizontal", ssHorizontal}, {L"ssVertical", ssVertical}, {L"ssBoth", ssBoth}})));
    });
    r.RegisterProperty<TCustomMemo>(L"WordWrap", [](TCustomMemo& c, V v, X) { c.SetWordWrap(v.AsBool()); });
    r.RegisterProperty<TCustomMemo>(L"WantReturns", [](TCustomMemo& c, V v, X) { c.SetWantReturns(v.AsBool()); });
    r.RegisterProperty<TCustomMemo>(L"WantTabs", [](TCustomMemo& c, V v, X) { c.WantTabs = v.AsBool(); });

    r.RegisterProperty<TCustomComboBox>(L"Style", [](TCustomComboBox& c, V v, X x) {
        c.SetStyle(static_cast<TComboBoxStyle>(
            x.Enum(v, {{L"csDropDown", csDropDown}, {L"csSimple", csSimple}, {L"csDropDownList", csDropDownList}})));
    });
    r.RegisterProperty<TCustomComboBox>(L"Items", [](TCustomComboBox& c, V v, X) { c.Items().Assign(v.AsStrings()); });
    r.RegisterProperty<TCustomComboBox>(L"ItemIndex", [](TCustomComboBox& c, V v, X) { c.SetItemIndex(v.AsInt()); });
    r.RegisterProperty<TCustomComboBox>(L"Sorted", [](TCustomComboBox& c, V v, X) { c.SetSorted(v.AsBool()); });
    r.RegisterProperty<TCustomComboBox>(L"DropDownCount", [](TCustomComboBox& c, V v, X) { c.SetDropDownCount(v.AsInt()); });
    r.RegisterProperty<TCustomComboBox>(L"MaxLength", [](TCustomComboBox& c, V v, X) { c.SetMaxLength(v.AsInt()); });
    r.RegisterEvent(L"OnChange", &TCustomComboBox::OnChange);
    r.RegisterEvent(L"OnSelect", &TCustomComboBox::OnSelect);
    r.RegisterEvent(L"OnDropDown", &TCustomComboBox::OnDropDown);
    r.RegisterEvent(L"OnCloseUp", &TCustomComboBox::OnCloseUp);
}
