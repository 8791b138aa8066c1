// What the copy screens show while the distribution is joined and unpacked.
// The logic owns this interface and reports only through it; a screen
// implements it by repainting its status line and gauges and by showing the
// messages below, a test or a benchmark by recording the calls.
#pragma once

#include <cstdint>
#include <string>

class ICopyProgress {
public:
    virtual ~ICopyProgress() = default;

    // The status line (LGroupName), repainted at once; no messages are pumped.
    virtual void ShowStatus(const std::wstring& text) = 0;
    // The disk gauge (CopyProgress); 0 <= position <= maximum.
    virtual void SetDiskGauge(std::int32_t maximum, std::int32_t position) = 0;
    // The unpacking gauge in KiB (UnzipProgress); 0 <= position <= maximum.
    virtual void SetUnzipGauge(std::int64_t maximum, std::int64_t position) = 0;

    // The marker of disk n is missing. The screen sets MsgPrefix to
    // DiskPromptPrefix and shows MsgDialog(DiskPromptText(n), L"", mtWarning,
    // {mbOK, mbCancel}, mbOK). True to look for the marker again, false when
    // the user cancelled (result 2, or the dialog closed).
    virtual bool AskForDisk(std::int32_t n) = 0;

    // An engine older than version 4 is registered. The screen sets MsgPrefix
    // to OlderEnginePrefix, shows MsgDialog(OlderEngineText, L"", mtError,
    // {mbOK}, mbOK), then sets MsgPrefix to PrefixAfterOlderEngine.
    virtual void WarnOlderEngine() = 0;

    // A ZIP file of the program directory could not be deleted: the platform's
    // plain message box with UndeletableText(path).
    virtual void ReportUndeletable(const std::wstring& path) = 0;

    // A program archive has just been unpacked: ShowInfoForm with its
    // automatic flag off.
    virtual void OfferInfoPage() = 0;
};

inline constexpr wchar_t DiskPromptPrefix[] = L"Pentru continuare";
inline std::wstring DiskPromptText(std::int32_t n) {
    return L"introdu discul de instalare cu numarul \r" + std::to_wstring(n);
}

inline constexpr wchar_t OlderEnginePrefix[] = L"Protectia aplicatiilor existente";
inline constexpr wchar_t OlderEngineText[] =
    L"Am gasit o instalare mai veche de\rmotor baza de date (BDE)...\rDaca Zarvanto nu functioneaza, contactati-ne.\r";
inline constexpr wchar_t PrefixAfterOlderEngine[] = L"PENTRU CONTINUARE";

inline std::wstring UndeletableText(const std::wstring& path) { return L"Nu pot sterge " + path; }
