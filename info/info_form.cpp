#include "info/info_form.h"

#include "core/installer_state.h"
#include "ui/html/frame_viewer.h"
#include "ui/platform/application.h"
#include "ui/platform/sysutils.h"

TEditInfo* InfoForm = nullptr;

std::wstring InfoVersionText(double version) {
    std::wstring text = FormatFloat(L"0.00", version);
    if (const auto comma = text.find(L','); comma != std::wstring::npos) text[comma] = L'.';
    return text;
}

TEditInfo::TEditInfo(TComponent* owner) : TTitleForm(owner, L"TEditInfo") {
    RegisterHandler(L"FormShow", TNotifyEvent([this](TObject* s) { FormShow(s); }));
    RegisterHandler(L"FormClose", TCloseEvent([this](TObject* s, TCloseAction& a) { FormClose(s, a); }));
    RegisterHandler(L"NiceButton3Click", TNotifyEvent([this](TObject* s) { NiceButton3Click(s); }));
    // Submitting a form of the page does nothing.
    RegisterHandler(L"FrameViewerFormSubmit",
                    THtmlSubmitEvent([](const std::wstring&, const std::wstring&, const std::wstring&,
                                        const std::wstring&, const std::vector<std::wstring>&) {}));
}

TFrameViewer& TEditInfo::Viewer() const { return dynamic_cast<TFrameViewer&>(*FindComponent(L"FrameViewer")); }

void TEditInfo::Loaded() {
    TTitleForm::Loaded();
    SetActiveControl(&Viewer());
}

bool TEditInfo::FilePrepared(const std::wstring& xPath, bool aIsAuto) {
    IsAuto = aIsAuto;
    std::wstring f = IncludeTrailingBackslash(xPath) + L"VerInfo\\" + InfoVersionText(InstallerState.ProductVersion) +
                     L"\\Instruct.htm";
    if (FileExists(f) && FileExists(f + L"l")) DeleteFileW(f.c_str());  // read before: the unread copy goes
    bool result = FileExists(f) && !FileExists(f + L"l");
    if (!result && !IsAuto) {
        f += L"l";
        result = FileExists(f);
    }
    FName = result ? f : std::wstring();
    return result;
}

void TEditInfo::FormShow(TObject*) {
    if (FName.empty()) return;
    Viewer().LoadFromFile(WideToAnsi(FName));
    SetCaption(Viewer().DocumentTitle());
}

void TEditInfo::FormClose(TObject*, TCloseAction&) {
    if (FName.empty()) return;
    const wchar_t last = FName.back();
    if (last == L'l' || last == L'L') return;
    MoveFileW(FName.c_str(), (FName + L"l").c_str());  // marks the page read; a failure changes nothing
}

void TEditInfo::NiceButton3Click(TObject*) { Hide(); }

// A modal screen disables every other window of the program; this form
// enables itself again right after, so the page stays readable.
void TEditInfo::WndProc(TMessage& m) {
    if (m.Msg == WM_REENABLE) {
        EnableWindow(Handle(), TRUE);
        return;
    }
    TTitleForm::WndProc(m);
    if (m.Msg == WM_ENABLE && m.WParam == 0) PostMessageW(Handle(), WM_REENABLE, 1, 0);
}

void CreateInfoForm() {
    if (!InfoForm) InfoForm = NewForm<TEditInfo>(Application);
}

void FreeInfoForm() { FreeAndNil(InfoForm); }

void ShowInfoForm(bool IsAuto) {
    if (!InfoForm || !InfoForm->FilePrepared(InstallerState.ProgramDir, IsAuto)) return;
    TCustomForm* background = Application->MainForm();
    if (!background) return;
    InfoForm->SetWidth(background->Width() - 200);
    InfoForm->SetLeft(background->Left() + (background->Width() - InfoForm->Width()) / 2);
    InfoForm->SetTop(background->Top() + 30);
    if (auto* panou = dynamic_cast<TControl*>(background->FindComponent(L"Panou")))
        InfoForm->SetHeight(panou->Top() + panou->Height() + 30);
    InfoForm->Show();
    InfoForm->BringToFront();
}
