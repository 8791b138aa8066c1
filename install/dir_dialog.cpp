#include "install/dir_dialog.h"

#include "ui/platform/application.h"
#include "ui/platform/file_controls.h"
#include "ui/platform/sysutils.h"

TDirDialog::TDirDialog(TComponent* owner) : TWizardScreen(owner, L"TDirDialog") {}

std::wstring TDirDialog::Directory() const {
    return dynamic_cast<TDirectoryListBox&>(*FindComponent(L"dirs")).Directory();
}

std::optional<std::wstring> PickDirectory() {
    TOwnedPtr<TDirDialog> dialog(NewForm<TDirDialog>(Application));
    if (dialog->ShowModal() != mrOk) return std::nullopt;
    return IncludeTrailingBackslash(dialog->Directory());
}
