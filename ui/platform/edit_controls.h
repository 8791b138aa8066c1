// String lists, edits, memos and combo boxes. Edits and memos are built on
// the system EDIT class, combo boxes on COMBOBOX. A memo's Lines and a combo
// box's Items read and write the control itself, so they hold the same
// content before the window exists, while it exists and after it is gone.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/forms.h"
#include "ui/platform/sysutils.h"

// Indexes outside a list.
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

// An ordered list of strings. Text joins the lines with CR LF (no break after
// the last one); SetText splits at CR LF, LF or CR, so a break at the very
// end gives a last, empty line.
class TStrings : public TObject {
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    virtual int Count() const = 0;
    virtual std::wstring Strings(int index) const = 0;
    virtual void Set(int index, const std::wstring& text) = 0;
    virtual void Insert(int index, const std::wstring& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // Appends (or, in a sorted list, inserts in order); returns the index.
    virtual int Add(const std::wstring& text);
    // Position of the first string equal to `text` ignoring case, or -1.
    int IndexOf(std::wstring_view text) const;
    virtual std::wstring Text() const;
    void SetText(std::wstring_view text);
    // Replaces every line; OnChange fires once, when something changed.
    void Assign(const TStrings& source);
    void Assign(const std::vector<std::wstring>& lines);
    std::vector<std::wstring> ToVector() const;
    // Between the two, changes fire OnChange once, at the end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    TNotifyEvent OnChange;

protected:
    // Replaces every line (by default one at a time).
    virtual void SetLines(const std::vector<std::wstring>& lines);
    void Changed();
    // Throws EStringListError unless 0 <= index < Count (<= Count when `end`).
    void CheckIndex(int index, bool end = false) const;

private:
    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
};

// Splits text at CR LF, LF or CR.
std::vector<std::wstring> SplitLines(std::wstring_view text);
// Case-insensitive comparison in the user's locale, as lists sort.
int CompareTextLocale(std::wstring_view a, std::wstring_view b);

// A list kept in memory, optionally sorted (ignoring case).
class TStringList : public TStrings {
public:
    TStringList() = default;

    int Count() const override { return static_cast<int>(FItems.size()); }
    std::wstring Strings(int index) const override;
    void Set(int index, const std::wstring& text) override;
    void Insert(int index, const std::wstring& text) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::wstring& text) override;
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);

protected:
    // The steps every change goes through; derived lists mirror them.
    virtual void InsertItem(int index, const std::wstring& text);
    virtual void PutItem(int index, const std::wstring& text);
    virtual void DeleteItem(int index);
    virtual void ClearItems();
    // Called after the order of the items changed as a whole (sorting).
    virtual void ItemsReordered() {}
    const std::vector<std::wstring>& Items() const { return FItems; }

private:
    int SortedPosition(const std::wstring& text) const;

    std::vector<std::wstring> FItems;
    bool FSorted = false;
};

using TBorderStyle = TFormBorderStyle;  // bsNone or bsSingle
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A control on the system EDIT class: one line (TEdit) or several (TMemo).
// OnChange fires when the user edits the text and when the program sets it,
// once per change, never while the control is being loaded.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    int MaxLength() const { return FMaxLength; }  // 0: no limit
    void SetMaxLength(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSelect = true;  // select everything when the focus arrives by keyboard
    wchar_t PasswordChar() const { return FPasswordChar; }  // 0: text shown as typed
    void SetPasswordChar(wchar_t value);

    // Selection in characters from the start of the text.
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::wstring SelText() const;
    // Replaces the selection (inserts at the caret when nothing is selected).
    void SetSelText(const std::wstring& text);
    void SelectAll();
    void ClearSelection() { SetSelText(L""); }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void DoEnter() override;
    void SetTextBuf(const std::wstring& text) override;
    void TextChanged() override;
    virtual void Change();
    // Replaces characters [start, end) of the text; works with or without a window.
    void ReplaceText(int start, int end, const std::wstring& text);
    virtual bool IsMultiLine() const { return false; }

private:
    struct TSelection {
        int Start = 0;
        int Length = 0;
    };
    TSelection Selection() const;
    void SetSelection(TSelection selection);

    bool FReadOnly = false;
    int FMaxLength = 0;
    TBorderStyle FBorderStyle = bsSingle;
    TAlignment FAlignment = taLeftJustify;
    wchar_t FPasswordChar = 0;
    TSelection FSelection;     // kept while there is no window
    int FSilentChanges = 0;    // EN_CHANGE of the library's own edits is not reported twice
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

// A multi-line edit. Its Lines are the text's lines (not the wrapped rows).
// Enter is the memo's when WantReturns, Tab when WantTabs; Escape never is,
// so a form's Cancel button still answers it.
class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings& Lines() { return *FLines; }
    const TStrings& Lines() const { return *FLines; }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value);
    bool WantTabs = false;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    bool WantsKey(WORD key) override;
    void SetTextBuf(const std::wstring& text) override;
    bool IsMultiLine() const override { return true; }

private:
    class TMemoStrings;
    friend class TMemoStrings;

    std::unique_ptr<TStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A combo box on the system COMBOBOX class. Items are kept by the control and
// copied into each window it makes; a sorted combo keeps them in order
// itself, ignoring case. OnChange fires when the user types or picks an
// item, and when the program sets Text; OnSelect when the user picks an item.
class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    TStrings& Items();
    const TStrings& Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const;
    void SetSorted(bool value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    int MaxLength() const { return FMaxLength; }  // 0: no limit
    void SetMaxLength(int value);
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    bool WantsKey(WORD key) override;
    std::wstring GetText() const override;
    void SetTextBuf(const std::wstring& text) override;
    void TextChanged() override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();

private:
    class TComboStrings;
    friend class TComboStrings;

    void Command(WORD code);
    void SetWindowTextSilently(const std::wstring& text);
    void ApplyDropDownHeight();
    void FillWindow();
    void RefillWindow();

    std::unique_ptr<TComboStrings> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1;  // kept while there is no window
    int FDropDownCount = 8;
    int FMaxLength = 0;
    int FSilentChanges = 0;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};
