#include "upgrade/upgrade_report.h"

#include "ui/forms/trace_log.h"
#include "ui/platform/application.h"
#include "ui/platform/sysutils.h"

#include <cstring>

std::function<void(const std::wstring& text)> ShowUpgradeReportText;

namespace {

class TGlobalLock {
public:
    explicit TGlobalLock(HGLOBAL block) : FBlock(block), FText(static_cast<const char*>(GlobalLock(block))) {}
    ~TGlobalLock() {
        if (FText) GlobalUnlock(FBlock);
    }
    TGlobalLock(const TGlobalLock&) = delete;
    TGlobalLock& operator=(const TGlobalLock&) = delete;
    const char* Text() const { return FText; }

private:
    HGLOBAL FBlock;
    const char* FText;
};

}  // namespace

std::optional<std::wstring> ReportBlockText(HGLOBAL block) {
    if (!block) return std::nullopt;
    const SIZE_T size = GlobalSize(block);
    const TGlobalLock lock(block);
    if (!lock.Text()) return std::nullopt;
    return AnsiToWide(std::string_view(lock.Text(), strnlen(lock.Text(), size)));
}

void WINAPI UpgradeReportProc(HGLOBAL text) {
    // Called from inside the library: nothing may unwind through its frames.
    try {
        if (const auto report = ReportBlockText(text)) {
            TraceLine(*report);
            if (ShowUpgradeReportText) ShowUpgradeReportText(*report);
        }
        Application->ProcessMessages();
    } catch (const std::exception& e) {
        Application->HandleException(e);
    } catch (...) {
    }
}
