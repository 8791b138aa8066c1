// The sample upgrade library. It finds the database through the alias
// "ZARVAN" in the engine's configuration file, and each step does small
// visible work in that directory: it appends what it reports to UPGRADE.LOG.
// Switch files there make it slow (UPGRADE.SLOW, milliseconds per report) or
// make steps fail (UPGRADE.FAIL, one step name a line; empty: every step).
#include "kit/engine/config_store.h"
#include "upgrade/upgrade_api.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace {

TUpgradeReportProc ReportProc = nullptr;

std::optional<std::string> AliasDirectory(std::string_view alias) {
    const std::wstring library = RegisteredEngineLibrary();
    if (library.empty()) return std::nullopt;
    const auto config = TConfigStore::Load(ConfigFileOf(library));
    if (!config) return std::nullopt;
    const std::string* path = config->Value(TConfigStore::AliasPath(alias), "PATH");
    if (!path) return std::nullopt;
    return *path;
}

std::wstring DatabaseDir() {
    const auto dir = AliasDirectory("ZARVAN");
    if (!dir || dir->empty()) return {};
    std::wstring wide = AnsiToWideText(*dir);
    if (wide.back() != L'\\') wide += L'\\';
    return wide;
}

std::optional<std::string> ReadSwitch(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    char buffer[1024];
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) read = 0;
    CloseHandle(file);
    return std::string(buffer, read);
}

void AppendText(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void WriteText(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void Report(const std::string& text) {
    if (!ReportProc) return;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return;
    if (auto* target = static_cast<char*>(GlobalLock(block))) {
        std::memcpy(target, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        ReportProc(block);
    }
    GlobalFree(block);
}

std::vector<std::string> Tables(const std::wstring& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((dir + L"*.DB").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(WideToAnsiText(entry.cFileName));
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// One step on the database directory: what it reports also goes to the log,
// at the pace the slow switch asks for.
class TStep {
public:
    explicit TStep(std::string name) : FName(std::move(name)), FDir(DatabaseDir()) {
        if (FDir.empty()) return;
        if (const auto slow = ReadSwitch(FDir + L"UPGRADE.SLOW")) {
            const long ms = std::strtol(slow->c_str(), nullptr, 10);
            FDelay = ms > 0 ? static_cast<DWORD>(std::min(ms, 10000L)) : 400;
        }
    }
    bool HasDatabase() const { return !FDir.empty(); }
    const std::wstring& Dir() const { return FDir; }

    void Say(const std::string& text) {
        if (HasDatabase()) AppendText(FDir + L"UPGRADE.LOG", FName + ": " + text + "\r\n");
        Report(text);
        if (FDelay) Sleep(FDelay);
    }

    bool MustFail() const {
        const auto text = ReadSwitch(FDir + L"UPGRADE.FAIL");
        if (!text) return false;
        std::vector<std::string> names;
        std::string name;
        for (char c : *text + "\n") {
            if (c != '\n') {
                if (c != ' ' && c != '\t' && c != '\r') name += c;
            } else if (!name.empty()) {
                names.push_back(std::move(name));
                name.clear();
            }
        }
        return names.empty() || std::find(names.begin(), names.end(), FName) != names.end();
    }

    std::int32_t Finish(const std::string& doneText) {
        if (MustFail()) {
            Say("Eroare: pasul " + FName + " nu s-a terminat");
            return 1;
        }
        Say(doneText);
        return 0;
    }

private:
    std::string FName;
    std::wstring FDir;
    DWORD FDelay = 0;
};

std::int32_t MissingDatabase(TStep& step) {
    step.Say("Nu gasesc baza de date ZARVAN");
    return 1;
}

std::int32_t RunListStep(const char* name, const std::vector<std::string>& texts, const std::string& doneText) {
    TStep step(name);
    if (!step.HasDatabase()) return MissingDatabase(step);
    for (const std::string& text : texts) step.Say(text);
    return step.Finish(doneText);
}

bool QuickVerif = false;

}  // namespace

extern "C" {

void WINAPI GetAliasPath(wchar_t* aliasAndPath) {
    if (!aliasAndPath) return;
    const std::size_t length = wcsnlen(aliasAndPath, AliasPathBufferChars);
    std::wstring path;
    if (length > 0 && length <= AliasPathMaxLength)
        if (const auto dir = AliasDirectory(WideToAnsiText(std::wstring_view(aliasAndPath, length))))
            path = AnsiToWideText(*dir);
    if (path.size() > AliasPathMaxLength) path.clear();
    std::fill(aliasAndPath, aliasAndPath + AliasPathBufferChars, L'\0');
    std::copy(path.begin(), path.end(), aliasAndPath);
}

void WINAPI SetReportProc(TUpgradeReportProc report) { ReportProc = report; }

std::int32_t WINAPI DoStructureUpgrade() {
    TStep step("STRUCTURI");
    if (!step.HasDatabase()) return MissingDatabase(step);
    const auto tables = Tables(step.Dir());
    for (const std::string& table : tables) {
        step.Say("Verific structura tabelei " + table);
        if (!QuickVerif) step.Say("Verific indecsii tabelei " + table);
    }
    return step.Finish("Structuri verificate: " + std::to_string(tables.size()) + " tabele");
}

std::int32_t WINAPI DoListUpgrade() {
    return RunListStep("LISTE", {"Actualizez lista de conturi", "Actualizez lista de operatori",
                                 "Actualizez lista de firme"}, "Liste actualizate");
}

std::int32_t WINAPI DoConstUpgrade() {
    return RunListStep("CONSTANTE", {"Actualizez constantele programului", "Actualizez cotele de TVA"},
                       "Constante actualizate");
}

BOOL WINAPI GetSemaforOK(std::int32_t stepResult) { return stepResult == 0 ? TRUE : FALSE; }

void WINAPI SetQuickVerif(BOOL quick) {
    QuickVerif = quick != FALSE;
    const std::wstring dir = DatabaseDir();
    if (!dir.empty()) WriteText(dir + L"UPGRADE.QUICK", QuickVerif ? "1" : "0");
}

}  // extern "C"

static_assert(std::is_same_v<decltype(&GetAliasPath), TGetAliasPathProc>);
static_assert(std::is_same_v<decltype(&SetReportProc), TSetReportProcProc>);
static_assert(std::is_same_v<decltype(&DoStructureUpgrade), TUpgradeStepProc>);
static_assert(std::is_same_v<decltype(&DoListUpgrade), TUpgradeStepProc>);
static_assert(std::is_same_v<decltype(&DoConstUpgrade), TUpgradeStepProc>);
static_assert(std::is_same_v<decltype(&GetSemaforOK), TGetSemaforOKProc>);
static_assert(std::is_same_v<decltype(&SetQuickVerif), TSetQuickVerifProc>);
