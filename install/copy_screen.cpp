#include "install/copy_screen.h"

#include <algorithm>

#include "core/installer_state.h"
#include "install/archive_assembly.h"
#include "install/component_extraction.h"
#include "ui/forms/msg_dialog.h"
#include "ui/platform/application.h"
#include "ui/platform/ext_controls.h"

TCopy::TCopy(TComponent* owner) : TWizardScreen(owner, L"TCopy", true) {
    RegisterHandler(L"FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    RegisterHandler(L"BNextClick", TNotifyEvent([this](TObject* s) { BNextClick(s); }));
}

void TCopy::FormCreate(TObject*) {
    ZipSize = 0;
    ZipProgres = 0;
}

TGauge& TCopy::Gauge(const wchar_t* name) const { return dynamic_cast<TGauge&>(*FindComponent(name)); }

// The buttons stay disabled: after Continue the screen only closes. An error
// of the unpacking reaches the default error report first; the screen then
// closes as after a finished copy.
void TCopy::BNextClick(TObject*) {
    for (const wchar_t* name : {L"BBack", L"BNext", L"BCancel"}) dynamic_cast<TControl&>(*FindComponent(name)).SetEnabled(false);
    const bool assembled = AssembleArchives(*this, ComponentSets);
    if (InstallerState.DiskCount >= 1) MsgPrefix = DiskPromptPrefix;  // every disk was waited for
    if (!assembled) {
        ModalResult = mrCancel;
        return;
    }
    struct TCloseAnyway {
        TCopy& Screen;
        ~TCloseAnyway() { Screen.ModalResult = mrOk; }
    } closeAnyway{*this};
    ExtractComponents(*this);
}

void TCopy::ShowStatus(const std::wstring& text) {
    auto& status = dynamic_cast<TControl&>(*FindComponent(L"LGroupName"));
    status.SetCaption(text);
    status.Repaint();
}

void TCopy::SetDiskGauge(std::int32_t maximum, std::int32_t position) {
    TGauge& gauge = Gauge(L"CopyProgress");
    gauge.SetMaxValue(maximum);
    gauge.SetProgress(std::min(position, maximum));
    gauge.Repaint();
}

void TCopy::SetUnzipGauge(std::int64_t maximum, std::int64_t position) {
    ZipSize = maximum;
    TGauge& gauge = Gauge(L"UnzipProgress");
    gauge.SetMaxValue(static_cast<int>(std::min<std::int64_t>(maximum, 0x7FFFFFFF)));
    gauge.SetProgress(static_cast<int>(std::min(position, maximum)));
    gauge.Repaint();
}

bool TCopy::AskForDisk(std::int32_t n) {
    MsgPrefix = DiskPromptPrefix;
    return MsgDialog(DiskPromptText(n), L"", mtWarning, TextAlignCenter, MsgButton(mbOK) | MsgButton(mbCancel), mbOK,
                     0) != mrCancel;
}

void TCopy::WarnOlderEngine() {
    MsgPrefix = OlderEnginePrefix;
    MsgDialog(OlderEngineText, L"", mtError, TextAlignCenter, MsgButton(mbOK), mbOK, 0);
    MsgPrefix = PrefixAfterOlderEngine;
}

void TCopy::ReportUndeletable(const std::wstring& path) {
    MessageBoxW(Handle(), UndeletableText(path).c_str(), Application->Title.c_str(), MB_OK);
}

void TCopy::OfferInfoPage() {
    if (ShowInstructions) ShowInstructions();
}
