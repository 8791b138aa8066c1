#include "bootstrap.h"

#include "core/installer_state.h"
#include "core/run_program.h"
#include "ui/forms/framework.h"
#include "ui/platform/sysutils.h"

#include <windows.h>
#include <rpc.h>

#include <cstdio>

namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

std::wstring NewGuidText() {
    UUID id{};
    UuidCreate(&id);
    wchar_t text[33];
    std::swprintf(text, std::size(text), L"%08lX%04X%04X%02X%02X%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned long>(id.Data1), id.Data2, id.Data3, id.Data4[0], id.Data4[1], id.Data4[2],
                  id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]);
    return text;
}

void CopyIfPresent(const std::wstring& from, const std::wstring& to) {
    // A missing source is simply not copied; failures are not reported.
    CopyFileW(from.c_str(), to.c_str(), FALSE);
}

}  // namespace

std::string EncodeMarker(const std::wstring& distributionDir) {
    if (FitsAnsiCodePage(distributionDir)) return WideToAnsi(distributionDir) + "\r\n";
    return std::string(Utf8Bom) + WideToUtf8(distributionDir) + "\r\n";
}

std::optional<std::wstring> ReadMarkerLine(const std::wstring& markerPath) {
    if (!FileExists(markerPath)) return std::nullopt;
    std::string bytes;
    try {
        const auto raw = ReadFileBytes(markerPath);
        bytes.assign(raw.begin(), raw.end());
    } catch (const Exception&) {
        return std::nullopt;
    }
    const bool utf8 = bytes.rfind(Utf8Bom, 0) == 0;
    if (utf8) bytes.erase(0, 3);
    const auto end = bytes.find_first_of("\r\n");
    const std::string line = bytes.substr(0, end);
    if (line.empty()) return std::nullopt;
    return utf8 ? Utf8ToWide(line) : AnsiToWide(line);
}

std::wstring RelaunchFromTemp() {
    const std::wstring exeDir = InstallerState.ExeDir;
    const std::wstring temp = TempDirectory() + NewGuidText() + L"\\";
    ForceDirectories(temp);
    CopyIfPresent(exeDir + L"INSTALL.EXE", temp + L"INSTZARV.EXE");
    CopyIfPresent(exeDir + L"UPGRADE.1", temp + L"UPGRADE.ZIP");
    CopyIfPresent(exeDir + L"INSTALL.CFG", temp + L"INSTZARV.CFG");
    const std::string marker = EncodeMarker(exeDir);
    WriteFileBytes(temp + MarkerFileName, marker.data(), marker.size());
    RunProgram(temp + L"INSTZARV.EXE", SW_SHOW, false);
    return temp;
}

std::int32_t DiskCountFromConfig(const std::wstring& programDir) {
    const std::wstring file = IncludeTrailingBackslash(programDir) + L"instzarv.cfg";
    return static_cast<std::int32_t>(GetPrivateProfileIntW(L"General", L"NrDiscuri", 6, file.c_str()));
}

void ReadDiskCount() { InstallerState.DiskCount = DiskCountFromConfig(ExtractFileDir(ModuleFileName())); }

bool BootstrapInstance() {
    FormatSettings.DecimalSeparator = L'.';
    BufferedLook = true;
    const auto line = ReadMarkerLine(InstallerState.ExeDir + MarkerFileName);
    if (!line) {
        RelaunchFromTemp();
        return false;
    }
    InstallerState.SourceDir = line->substr(0, line->size() - 1);
    return true;
}
