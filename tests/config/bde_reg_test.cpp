#include "config/engine.h"
#include "config/engine_library.h"

#include "tests/config/engine_sandbox.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

namespace {

// What the configuration step does to the script before importing it: the
// first placeholder of each line becomes the program-files directory with its
// backslashes doubled.
std::string RewriteScript(const std::string& script, const std::string& programFilesDir) {
    std::string escaped;
    for (char c : programFilesDir) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    std::string result;
    std::size_t start = 0;
    while (start < script.size()) {
        auto end = script.find('\n', start);
        if (end == std::string::npos) end = script.size();
        std::string line = script.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (const auto at = line.find("$ProgDir$"); at != std::string::npos) line.replace(at, 9, escaped);
        result += line + "\r\n";
        start = end + 1;
    }
    return result;
}

}  // namespace

TEST(EngineRegistryScript, ImportedScriptMakesTheEngineFindable) {
    TEngineSandbox sandbox;
    sandbox.RemoveDllPath();
    ASSERT_FALSE(EngineInit());

    const std::wstring programFiles = sandbox.MakeDir(L"Program Files");
    const std::wstring engineDir = sandbox.MakeDir(L"Program Files\\Borland\\Common Files\\BDE") + L"\\";
    ASSERT_TRUE(CopyFileW((KitProgramsDir() + L"IDAPI32.DLL").c_str(), (engineDir + L"IDAPI32.DLL").c_str(), FALSE));
    const std::string script = RewriteScript(ReadText(KitProgramsDir() + L"bde.reg"), WideToAnsi(programFiles));
    ASSERT_EQ(script.find("$ProgDir$"), std::string::npos) << "a line holds more than one placeholder";
    WriteText(engineDir + L"bde.reg", script);

    RunAndWait(L"regedit /s \"" + engineDir + L"bde.reg\"");

    EXPECT_EQ(RegisteredEngineLibraryPath(), engineDir + L"IDAPI32.DLL");
    EXPECT_TRUE(EngineInit());
    EXPECT_TRUE(MachineKeyExists(L"Software\\Borland\\BLW32"));
    const auto version = MachineString(std::wstring(EngineKey) + L"\\Settings\\SYSTEM\\INIT", L"VERSION");
    EXPECT_FALSE(version.value_or(L"").empty());
}
