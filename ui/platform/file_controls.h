// Choosing a drive and a directory: a drop-down list of the drives and a
// list of the directory's path from the root with its subdirectories. A
// drive combo box linked to a directory list moves the list to the drive
// chosen; the list never changes the process's current directory.
#pragma once

#include <string>
#include <vector>

#include "ui/platform/edit_controls.h"

class TDirectoryListBox;
class TLabel;

// The drives of GetLogicalDrives, as "c: [label]" for fixed drives with a
// volume label and "c:" otherwise.
class TDriveComboBox : public TCustomComboBox {
public:
    explicit TDriveComboBox(TComponent* owner);
    ~TDriveComboBox() override;

    // Lower-case letter of the drive shown.
    wchar_t Drive() const { return FDrive; }
    // Shows the drive and moves the linked list to it. A drive the list
    // cannot read is reported and the previous one stays.
    void SetDrive(wchar_t drive);
    TDirectoryListBox* DirList() const { return FDirList; }
    void SetDirList(TDirectoryListBox* list);
    // Reads the drives again.
    void BuildList();
    void Loaded() override;
    // Links the list of that name (of the same owner); a definition may name
    // a list that it creates later.
    void SetDirListName(const std::wstring& name);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Change() override;

private:
    friend class TDirectoryListBox;
    void ShowDrive(wchar_t drive);
    int IndexOfDrive(wchar_t drive) const;

    wchar_t FDrive = 0;
    TDirectoryListBox* FDirList = nullptr;
    std::wstring FPendingDirList;
};

// The path of Directory from the root down, each part indented under the
// one before, then the subdirectories of Directory. A double click or Enter
// opens the selected item. It starts at the process's current directory.
class TDirectoryListBox : public TWinControl {
public:
    explicit TDirectoryListBox(TComponent* owner);
    ~TDirectoryListBox() override;

    // Full path, without a final backslash except at a root ("c:\").
    const std::wstring& Directory() const { return FDirectory; }
    // Moves to the directory and fires OnChange. A directory that cannot be
    // read is reported through Application->HandleException and the list
    // stays where it was; returns whether it moved.
    bool SetDirectory(const std::wstring& path);
    // Lower-case drive letter of Directory.
    wchar_t Drive() const;
    // Moves to the drive's current directory.
    bool SetDrive(wchar_t drive);
    // The folder of an item: a part of the path or a subdirectory.
    std::wstring ItemPath(int index) const;
    int ItemCount() const { return static_cast<int>(FEntries.size()); }
    std::wstring Items(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Opens the selected item.
    void OpenCurrent();
    // Reads Directory again (subdirectories may have come or gone).
    void ReadDirectory();
    TLabel* DirLabel() const { return FDirLabel; }
    void SetDirLabel(TLabel* label);
    void Loaded() override;
    // Shows Directory in the label of that name (of the same owner).
    void SetDirLabelName(const std::wstring& name);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void Change();

private:
    friend class TDriveComboBox;
    struct TEntry {
        std::wstring Name;
        std::wstring Path;
        int Level = 0;
        bool Open = false;  // a part of the path, not a subdirectory
    };
    void FillWindow();
    void DrawItem(TMessage& m);
    void ShowDirectory();

    std::wstring FDirectory;
    std::vector<TEntry> FEntries;
    int FItemIndex = -1;
    TLabel* FDirLabel = nullptr;
    std::wstring FPendingDirLabel;
    TDriveComboBox* FDriveCombo = nullptr;
    TCanvas FCanvas;
};
