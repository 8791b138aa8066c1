// The information form: the installed version's instruction page in a
// floating, always-on-top window over the background window, usable while a
// wizard screen is modal. A page once read is renamed ".html".
#pragma once

#include <string>

#include "ui/forms/form_classes.h"

// Posted by the form to itself to enable its window again.
inline constexpr UINT WM_REENABLE = 1280;

class TFrameViewer;

class TEditInfo : public TTitleForm {
public:
    explicit TEditInfo(TComponent* owner);

    std::wstring FName;  // the page shown; empty when there is none
    bool IsAuto = false;

    // Decides which page to show (unread, or read when not automatic) and
    // keeps it in FName; false when there is none.
    bool FilePrepared(const std::wstring& xPath, bool aIsAuto);
    TFrameViewer& Viewer() const;

    void Loaded() override;
    void WndProc(TMessage& message) override;

private:
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void NiceButton3Click(TObject* Sender);
};

extern TEditInfo* InfoForm;

// The version directory's name: the product version with two decimals and a
// point ("3200877.05").
std::wstring InfoVersionText(double version);

// Created hidden (owned by the application) with the background window and
// freed with it.
void CreateInfoForm();
void FreeInfoForm();
// Prepares the page and, when there is one, sizes and places the form over
// the background window and shows it in front.
void ShowInfoForm(bool IsAuto);
