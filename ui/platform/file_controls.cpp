#include "ui/platform/file_controls.h"

#include <algorithm>
#include <cwctype>
#include <utility>

#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/platform_classes.h"
#include "ui/platform/std_controls.h"
#include "ui/platform/sysutils.h"

namespace {

// No "insert a disk" boxes while drives are probed.
class TQuietErrors {
public:
    TQuietErrors() : FPrevious(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~TQuietErrors() { SetErrorMode(FPrevious); }
    TQuietErrors(const TQuietErrors&) = delete;
    TQuietErrors& operator=(const TQuietErrors&) = delete;

private:
    UINT FPrevious;
};

LRESULT Send(TWinControl& control, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.Handle(), msg, wParam, lParam);
}

std::wstring DriveRoot(wchar_t drive) { return {drive, L':', L'\\'}; }

bool DriveExists(wchar_t drive) {
    const int bit = std::towlower(drive) - L'a';
    return bit >= 0 && bit < 26 && (GetLogicalDrives() & (1u << bit)) != 0;
}

std::wstring UnavailableDrive(wchar_t drive) {
    return L"Unitatea " + std::wstring(1, static_cast<wchar_t>(std::towupper(drive))) + L": nu este disponibila";
}

// The full form of a directory path on a drive, without a final backslash
// except at the root. Throws when it names no readable directory.
std::wstring FullDirectory(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 2];
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(buffer)), buffer, nullptr);
    if (length == 0 || length >= std::size(buffer)) throw Exception(L"Calea \"" + path + L"\" nu este valida");
    std::wstring full(buffer, length);
    if (full.size() < 3 || !std::iswalpha(full[0]) || full[1] != L':')
        throw Exception(L"Calea \"" + path + L"\" nu este pe o unitate de disc");
    if (full.size() > 3) full = ExcludeTrailingBackslash(full);
    const TQuietErrors quiet;
    if (!DriveExists(full[0]) || GetFileAttributesW(DriveRoot(full[0]).c_str()) == INVALID_FILE_ATTRIBUTES)
        throw Exception(UnavailableDrive(full[0]));
    if (!DirectoryExists(full)) throw Exception(L"Directorul \"" + full + L"\" nu exista");
    return full;
}

std::vector<std::wstring> Subdirectories(const std::wstring& directory) {
    std::vector<std::wstring> names;
    const TQuietErrors quiet;
    WIN32_FIND_DATAW data;
    const std::wstring pattern = IncludeTrailingBackslash(directory) + L"*";
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, FindExSearchLimitToDirectories, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) { return CompareTextLocale(a, b) < 0; });
    return names;
}

constexpr int LevelIndent = 10;

// A folder picture of 14 x 10 pixels with its top-left corner at (x, y).
void DrawFolder(TCanvas& canvas, int x, int y, bool open) {
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(open ? clYellow : clOlive);
    canvas.Rectangle(x, y, x + 6, y + 3);
    canvas.Rectangle(x, y + 2, x + 14, y + 10);
}

}  // namespace

// ---------------------------------------------------------- TDriveComboBox

TDriveComboBox::TDriveComboBox(TComponent* owner) : TCustomComboBox(owner) {
    SetStyle(csDropDownList);
    BuildList();
    wchar_t current[MAX_PATH];
    if (GetCurrentDirectoryW(MAX_PATH, current) > 0 && std::iswalpha(current[0])) ShowDrive(current[0]);
}

TDriveComboBox::~TDriveComboBox() { SetDirList(nullptr); }

void TDriveComboBox::BuildList() {
    const TQuietErrors quiet;
    std::vector<std::wstring> items;
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1u << bit))) continue;
        const wchar_t letter = static_cast<wchar_t>(L'a' + bit);
        std::wstring item{letter, L':'};
        wchar_t label[MAX_PATH + 1] = {};
        const std::wstring root = DriveRoot(letter);
        if (GetDriveTypeW(root.c_str()) == DRIVE_FIXED &&
            GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) && label[0])
            item += L" [" + std::wstring(label) + L"]";
        items.push_back(item);
    }
    Items().Assign(items);
    ShowDrive(FDrive);
}

int TDriveComboBox::IndexOfDrive(wchar_t drive) const {
    for (int i = 0; i < Items().Count(); ++i)
        if (Items().Strings(i)[0] == drive) return i;
    return -1;
}

void TDriveComboBox::ShowDrive(wchar_t drive) {
    FDrive = static_cast<wchar_t>(std::towlower(drive));
    SetItemIndex(IndexOfDrive(FDrive));
}

void TDriveComboBox::SetDrive(wchar_t drive) {
    drive = static_cast<wchar_t>(std::towlower(drive));
    const wchar_t before = FDrive;
    if (drive == before) return;
    bool moved;
    if (FDirList) {
        moved = FDirList->Drive() == drive || FDirList->SetDrive(drive);  // the list reports a failure
    } else {
        moved = IndexOfDrive(drive) >= 0;
        if (!moved) Application->HandleException(Exception(UnavailableDrive(drive)));
    }
    ShowDrive(moved ? drive : before);
    if (FDrive != before) TCustomComboBox::Change();
}

// The user picked an item (or the program set Text): go to its drive.
void TDriveComboBox::Change() {
    const int index = ItemIndex();
    if (index >= 0) SetDrive(Items().Strings(index)[0]);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
    if (list == FDirList) return;
    if (FDirList) {
        FDirList->FDriveCombo = nullptr;
        FDirList->RemoveFreeNotification(this);
    }
    FDirList = list;
    if (!list) return;
    if (list->FDriveCombo && list->FDriveCombo != this) list->FDriveCombo->SetDirList(nullptr);
    list->FDriveCombo = this;
    list->FreeNotification(this);
    if (list->Drive()) ShowDrive(list->Drive());
}

void TDriveComboBox::SetDirListName(const std::wstring& name) {
    if (IsLoading()) {
        FPendingDirList = name;  // the list may come later in the definition
        return;
    }
    auto* list = Owner() ? dynamic_cast<TDirectoryListBox*>(Owner()->FindComponent(name)) : nullptr;
    if (!list) throw Exception(L"\"" + name + L"\" nu este o lista de directoare");
    SetDirList(list);
}

void TDriveComboBox::Loaded() {
    TCustomComboBox::Loaded();
    if (!FPendingDirList.empty()) SetDirListName(std::exchange(FPendingDirList, std::wstring()));
}

void TDriveComboBox::Notification(TComponent* component, TOperation operation) {
    TCustomComboBox::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FDirList) FDirList = nullptr;
}

// ------------------------------------------------------- TDirectoryListBox

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 145, 97);
    SetTabStop(true);
    FControlStyle &= ~static_cast<unsigned>(csSetCaption | csClickEvents);
    wchar_t current[MAX_PATH];
    if (GetCurrentDirectoryW(MAX_PATH, current) == 0) return;
    try {
        FDirectory = FullDirectory(current);
        ReadDirectory();
    } catch (const Exception&) {
        FDirectory = current;  // shown empty until it can be read
    }
}

TDirectoryListBox::~TDirectoryListBox() {
    if (FDriveCombo) FDriveCombo->SetDirList(nullptr);
    SetDirLabel(nullptr);
}

void TDirectoryListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"LISTBOX";
    p.WinClassName = L"DirectoryListBox";
    p.Style |= LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    AddBorderStyle(p);
}

void TDirectoryListBox::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    TScreenDC screen;
    TCanvasBinding binding(FCanvas, screen.Get());
    FCanvas.Font().Assign(Font());
    Send(*this, LB_SETITEMHEIGHT, 0, std::max(16, FCanvas.TextHeight(L"Wg") + 2));
    FillWindow();
}

void TDirectoryListBox::DestroyWnd() {
    FItemIndex = ItemIndex();
    TWinControl::DestroyWnd();
}

void TDirectoryListBox::FillWindow() {
    Send(*this, LB_RESETCONTENT);
    for (const TEntry& entry : FEntries) Send(*this, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.Name.c_str()));
    Send(*this, LB_SETCURSEL, static_cast<WPARAM>(FItemIndex));
}

void TDirectoryListBox::ReadDirectory() {
    FEntries.clear();
    FItemIndex = -1;
    if (FDirectory.size() < 3) {
        ShowDirectory();
        return;
    }
    const std::wstring root = DriveRoot(static_cast<wchar_t>(std::towlower(FDirectory[0])));
    FEntries.push_back({root, root, 0, true});
    std::wstring path = root.substr(0, 2);
    for (std::size_t start = 3; start < FDirectory.size();) {
        const std::size_t end = std::min(FDirectory.find(L'\\', start), FDirectory.size());
        const std::wstring name = FDirectory.substr(start, end - start);
        path += L'\\' + name;
        FEntries.push_back({name, path, static_cast<int>(FEntries.size()), true});
        start = end + 1;
    }
    FItemIndex = static_cast<int>(FEntries.size()) - 1;
    const int level = static_cast<int>(FEntries.size());
    for (const std::wstring& name : Subdirectories(FDirectory))
        FEntries.push_back({name, IncludeTrailingBackslash(FDirectory) + name, level, false});
    ShowDirectory();
}

void TDirectoryListBox::ShowDirectory() {
    if (HandleAllocated()) FillWindow();
    if (FDirLabel) FDirLabel->SetCaption(FDirectory);
    if (FDriveCombo) FDriveCombo->ShowDrive(Drive());
}

bool TDirectoryListBox::SetDirectory(const std::wstring& path) {
    std::wstring full;
    try {
        full = FullDirectory(path);
    } catch (const Exception& e) {
        Application->HandleException(e);
        return false;
    }
    const bool changed = !SameTextAscii(full, FDirectory);
    FDirectory = full;
    ReadDirectory();
    if (changed) Change();
    return true;
}

wchar_t TDirectoryListBox::Drive() const {
    return FDirectory.empty() ? L'\0' : static_cast<wchar_t>(std::towlower(FDirectory[0]));
}

bool TDirectoryListBox::SetDrive(wchar_t drive) {
    drive = static_cast<wchar_t>(std::towlower(drive));
    if (drive == Drive()) return true;
    if (!DriveExists(drive)) {
        Application->HandleException(Exception(UnavailableDrive(drive)));
        return false;
    }
    // The drive's own current directory, or its root.
    const wchar_t relative[] = {drive, L':', L'\0'};
    wchar_t buffer[MAX_PATH * 2];
    const DWORD length = GetFullPathNameW(relative, static_cast<DWORD>(std::size(buffer)), buffer, nullptr);
    return SetDirectory(length > 0 && length < std::size(buffer) ? std::wstring(buffer, length) : DriveRoot(drive));
}

std::wstring TDirectoryListBox::Items(int index) const {
    return index >= 0 && index < ItemCount() ? FEntries[static_cast<std::size_t>(index)].Name : std::wstring();
}

std::wstring TDirectoryListBox::ItemPath(int index) const {
    return index >= 0 && index < ItemCount() ? FEntries[static_cast<std::size_t>(index)].Path : std::wstring();
}

int TDirectoryListBox::ItemIndex() const {
    if (auto* self = const_cast<TDirectoryListBox*>(this); self->HandleAllocated())
        return static_cast<int>(Send(*self, LB_GETCURSEL));
    return FItemIndex;
}

void TDirectoryListBox::SetItemIndex(int index) {
    FItemIndex = index >= 0 && index < ItemCount() ? index : -1;
    if (HandleAllocated()) Send(*this, LB_SETCURSEL, static_cast<WPARAM>(FItemIndex));
}

void TDirectoryListBox::OpenCurrent() {
    const int index = ItemIndex();
    if (index >= 0 && index < ItemCount()) SetDirectory(ItemPath(index));
}

void TDirectoryListBox::Change() {
    if (OnChange && !IsLoading()) OnChange(this);
}

void TDirectoryListBox::KeyDown(WORD& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (key == VK_RETURN) {
        OpenCurrent();
        key = 0;
    }
}

void TDirectoryListBox::SetDirLabel(TLabel* label) {
    if (label == FDirLabel) return;
    if (FDirLabel) FDirLabel->RemoveFreeNotification(this);
    FDirLabel = label;
    if (!label) return;
    label->FreeNotification(this);
    label->SetCaption(FDirectory);
}

void TDirectoryListBox::SetDirLabelName(const std::wstring& name) {
    if (IsLoading()) {
        FPendingDirLabel = name;
        return;
    }
    auto* label = Owner() ? dynamic_cast<TLabel*>(Owner()->FindComponent(name)) : nullptr;
    if (!label) throw Exception(L"\"" + name + L"\" nu este o eticheta");
    SetDirLabel(label);
}

void TDirectoryListBox::Loaded() {
    TWinControl::Loaded();
    if (!FPendingDirLabel.empty()) SetDirLabelName(std::exchange(FPendingDirLabel, std::wstring()));
}

void TDirectoryListBox::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FDirLabel) FDirLabel = nullptr;
    if (component == FDriveCombo) FDriveCombo = nullptr;
}

void TDirectoryListBox::DrawItem(TMessage& m) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    m.Result = TRUE;
    if (item->itemID >= FEntries.size()) return;
    const TEntry& entry = FEntries[item->itemID];
    TCanvasBinding binding(FCanvas, item->hDC);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(selected ? clHighlight : Color());
    const TRect rect = item->rcItem;
    FCanvas.FillRect(rect);
    const int x = rect.Left + 2 + entry.Level * LevelIndent;
    DrawFolder(FCanvas, x, rect.Top + (rect.Height() - 10) / 2, entry.Open);
    FCanvas.Font().Assign(Font());
    if (selected) FCanvas.Font().SetColor(clHighlightText);
    FCanvas.Brush().SetStyle(bsClear);
    TRect text{x + 18, rect.Top, rect.Right, rect.Bottom};
    FCanvas.DrawText(entry.Name, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item->itemState & ODS_FOCUS) FCanvas.DrawFocusRect(rect);
}

void TDirectoryListBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_DRAWITEM: DrawItem(m); return;
    case CN_COMMAND:
        if (HIWORD(m.WParam) == LBN_DBLCLK) OpenCurrent();
        if (HIWORD(m.WParam) == LBN_SELCHANGE) FItemIndex = ItemIndex();
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

// ------------------------------------------------------------ registration

void RegisterFileControls(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TDriveComboBox>(L"TDriveComboBox");
    r.RegisterClass<TDirectoryListBox>(L"TDirectoryListBox");
    r.RegisterProperty<TDriveComboBox>(L"DirList", [](TDriveComboBox& c, V v, X) { c.SetDirListName(v.AsIdent()); });
    r.RegisterProperty<TDirectoryListBox>(L"Directory", [](TDirectoryListBox& c, V v, X) { c.SetDirectory(v.AsString()); });
    r.RegisterProperty<TDirectoryListBox>(L"DirLabel", [](TDirectoryListBox& c, V v, X) { c.SetDirLabelName(v.AsIdent()); });
    r.RegisterEvent(L"OnChange", &TDirectoryListBox::OnChange);
}
