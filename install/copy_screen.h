// The copy screen: Continue joins the archive pieces from the disks and
// unpacks every selected component, then hands over to the configuration
// screen. It shows the progress the joining and unpacking report.
#pragma once

#include <cstdint>

#include "core/wizard_screen.h"
#include "install/copy_progress.h"

class TGauge;

class TCopy : public TWizardScreen, public ICopyProgress {
public:
    explicit TCopy(TComponent* owner);

    std::int64_t ZipSize = 0;     // KiB of the archive being unpacked
    std::int64_t ZipProgres = 0;  // KiB of its entries already unpacked

    void ShowStatus(const std::wstring& text) override;
    void SetDiskGauge(std::int32_t maximum, std::int32_t position) override;
    void SetUnzipGauge(std::int64_t maximum, std::int64_t position) override;
    bool AskForDisk(std::int32_t n) override;
    void WarnOlderEngine() override;
    void ReportUndeletable(const std::wstring& path) override;
    void OfferInfoPage() override;

private:
    void FormCreate(TObject* Sender);
    void BNextClick(TObject* Sender);
    TGauge& Gauge(const wchar_t* name) const;
};
