#include "config/program_group.h"

#include <windows.h>
#include <ddeml.h>

#include "core/installer_state.h"
#include "ui/forms/msg_dialog.h"
#include "ui/forms/trace_log.h"
#include "ui/platform/sysutils.h"

namespace {

HDDEDATA CALLBACK IgnoreDdeEvents(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// A client DDE instance with the service name, given back however the
// conversation ends. ANSI, so the macro text travels as 8-bit text.
class TDdeClient {
public:
    explicit TDdeClient(const std::string& service) : FServiceName(service) {
        if (DdeInitializeA(&FInstance, IgnoreDdeEvents, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) FInstance = 0;
        if (!FInstance) return;
        FService = DdeCreateStringHandleA(FInstance, service.c_str(), CP_WINANSI);
        FTopic = DdeCreateStringHandleA(FInstance, "PROGMAN", CP_WINANSI);
    }
    ~TDdeClient() {
        if (FConversation) DdeDisconnect(FConversation);
        if (FTopic) DdeFreeStringHandle(FInstance, FTopic);
        if (FService) DdeFreeStringHandle(FInstance, FService);
        if (FInstance) DdeUninitialize(FInstance);
    }
    TDdeClient(const TDdeClient&) = delete;
    TDdeClient& operator=(const TDdeClient&) = delete;

    // Connects; when nobody answers, starts the program of the service's
    // name, minimised and not activated, and tries once more.
    bool Open() {
        if (!FService) return false;
        if (Connect()) return true;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMINNOACTIVE;
        PROCESS_INFORMATION process{};
        std::wstring command = AnsiToWide(FServiceName);
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            WaitForInputIdle(process.hProcess, 5000);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        return Connect();
    }

    // One execute request; its outcome does not matter, but the server gets
    // the time to take it before the conversation closes.
    void Execute(const std::string& text) {
        DWORD result = 0;
        DdeClientTransaction(reinterpret_cast<BYTE*>(const_cast<char*>(text.c_str())),
                             static_cast<DWORD>(text.size() + 1), FConversation, nullptr, 0, XTYP_EXECUTE,
                             ExecuteTimeoutMs, &result);
    }
    static constexpr DWORD ExecuteTimeoutMs = 5000;

private:
    // Any topic first; a server that does not take such a connection (Wine's
    // shell) is asked with the Program Manager's own topic.
    bool Connect() {
        FConversation = DdeConnect(FInstance, FService, nullptr, nullptr);
        if (!FConversation && FTopic) FConversation = DdeConnect(FInstance, FService, FTopic, nullptr);
        return FConversation != nullptr;
    }

    std::string FServiceName;
    DWORD FInstance = 0;
    HSZ FService = nullptr;
    HSZ FTopic = nullptr;
    HCONV FConversation = nullptr;
};

std::wstring AddItem(const std::wstring& path, const wchar_t* name) {
    return L"[AddItem(\"" + path + L"\", \"" + name + L"\")]";
}

}  // namespace

std::vector<std::wstring> ProgramGroupMacros(const std::wstring& programDir, const std::wstring& proposedProgramDir) {
    std::vector<std::wstring> lines{L"[CreateGroup(\"Zarvanto\")]", AddItem(programDir + L"\\ZARVAN.EXE", L"Zarvan")};
    if (FileExists(proposedProgramDir + L"\\ORVIST.EXE")) {
        lines.push_back(AddItem(programDir + L"\\TUNSEL.EXE", L"Tunsel"));
        lines.push_back(AddItem(programDir + L"\\ORVIST.EXE", L"Orvist"));
    }
    if (FileExists(proposedProgramDir + L"\\PELDUN.EXE")) lines.push_back(AddItem(programDir + L"\\PELDUN.EXE", L"Peldun"));
    lines.push_back(L"[ShowGroup(\"Zarvanto\",8)]");
    return lines;
}

bool SendProgramManagerMacros(const std::vector<std::wstring>& lines) { return SendShellMacros("ProgMan", lines); }

bool SendShellMacros(const std::string& service, const std::vector<std::wstring>& lines) {
    TDdeClient client(service);
    if (!client.Open()) return false;
    // A line per request: a shell that reads only the first command of a
    // request (Wine's) then still gets every one.
    for (const std::wstring& line : lines) client.Execute(WideToAnsi(line + L"\r\n"));
    return true;
}

void DoConfigGroup() {
    const TTraceBlock block(L"DoConfigGroup");
    if (SendProgramManagerMacros(ProgramGroupMacros(InstallerState.ProgramDir, InstallerState.ProposedProgramDir)))
        return;
    TraceLine(L"Eroare initializare conversatie DDE");
    MsgDialog(L"Eroare DDE!", L"Eroare...", mtError, TextAlignCenter, MsgButton(mbCancel), mbCancel, 0);
}
