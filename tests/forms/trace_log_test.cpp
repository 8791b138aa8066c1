#include "ui/forms/trace_log.h"

#include "tests/support/temp_dir.h"
#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::wstring& file) {
    std::vector<std::string> lines;
    std::istringstream in(ReadText(file));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The line without its time stamp, checking that the stamp has its shape.
std::string WithoutStamp(const std::string& line) {
    const auto at = line.rfind(" <TIMP ");
    EXPECT_NE(at, std::string::npos) << line;
    if (at == std::string::npos) return line;
    const std::string stamp = line.substr(at);
    EXPECT_EQ(stamp.size(), std::string(" <TIMP 00:00:00.000 > ").size()) << stamp;
    return line.substr(0, at);
}

}  // namespace

TEST(Trace, StampHasTwoDigitFieldsAndThreeDigitMilliseconds) {
    EXPECT_EQ(TraceStamp(23, 5, 7, 45), L" <TIMP 23:05:07.045 > ");
    EXPECT_EQ(TraceStamp(0, 0, 0, 0), L" <TIMP 00:00:00.000 > ");
}

TEST(Trace, PrefixesByDepth) {
    struct Case {
        int level;
        std::wstring begin, end, line;
    } cases[] = {
        {0, L"BEGIN => ", L"END <- ", L"  *       "},
        {1, L" | |BEGIN => ", L" | |END <- ", L"    *       "},
        {2, L" | | |BEGIN => ", L" | | |END <- ", L"      *       "},
        {-1, L" |BEGIN => ", L" |END <- ", L"  *       "},
        {-3, L" |BEGIN => ", L" |END <- ", L"  *       "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TraceBeginPrefix(c.level), c.begin) << c.level;
        EXPECT_EQ(TraceEndPrefix(c.level), c.end) << c.level;
        EXPECT_EQ(TraceLinePrefix(c.level), c.line) << c.level;
    }
}

TEST(Trace, NestedBlockWritesItsLinesWhenTheMarkerIsPresent) {
    TempDir dir;
    WriteText(dir / L"debug.pas", "");
    InitTrace(dir.Path());
    ASSERT_TRUE(TraceEnabled);
    TraceBegin(L"DoConfigGroup");
    TraceLine(L"Eroare initializare conversatie DDE");
    TraceBegin(L"Inner");
    TraceEnd(L"Inner");
    TraceEnd(L"DoConfigGroup");
    TraceEnd(L"extra");
    EXPECT_EQ(TraceLevel, -1);

    const auto lines = Lines(dir / std::wstring(TraceFileName));
    const std::vector<std::string> expected = {
        "BEGIN => DoConfigGroup",
        "    *       Eroare initializare conversatie DDE",
        " | |BEGIN => Inner",
        " | |END <- Inner",
        "END <- DoConfigGroup",
        " |END <- extra",
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(WithoutStamp(lines[i]), expected[i]);
}

TEST(Trace, WithoutTheMarkerNothingIsWrittenAndTheDepthStays) {
    TempDir dir;
    InitTrace(dir.Path());
    ASSERT_FALSE(TraceEnabled);
    TraceBegin(L"a");
    TraceLine(L"b");
    TraceEnd(L"a");
    TraceEnd(L"a");
    EXPECT_EQ(TraceLevel, 0);
    EXPECT_FALSE(FileExists(dir / std::wstring(TraceFileName)));
}

TEST(Trace, AFailedWriteSwitchesTracingOff) {
    TempDir dir;
    WriteText(dir / L"debug.pas", "");
    InitTrace(dir.Path());
    // A folder where the trace file should be makes the open fail.
    ASSERT_TRUE(ForceDirectories(dir / std::wstring(TraceFileName)));
    TraceLine(L"lost");
    EXPECT_FALSE(TraceEnabled);
    TraceBegin(L"after");
    EXPECT_EQ(TraceLevel, 0);
}
