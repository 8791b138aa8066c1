#include "ui/platform/graphics/colors.h"

#include "ui/platform/sysutils.h"

#include <gtest/gtest.h>

namespace {

struct TNamedColor {
    const wchar_t* Name;
    TColor Value;
};

}  // namespace

TEST(Colors, StandardNamesBothWays) {
    const TNamedColor cases[] = {
        {L"clRed", clRed}, {L"clBtnFace", clBtnFace}, {L"clWindowText", clWindowText},
        {L"clMoneyGreen", clMoneyGreen}, {L"clNone", clNone}, {L"clDefault", clDefault},
    };
    for (const auto& c : cases) {
        TColor value{};
        EXPECT_TRUE(IdentToColor(c.Name, value)) << c.Name;
        EXPECT_EQ(value, c.Value) << c.Name;
        std::wstring name;
        EXPECT_TRUE(ColorToIdent(c.Value, name)) << c.Name;
        EXPECT_EQ(name, c.Name);
    }
    TColor value{};
    EXPECT_TRUE(IdentToColor(L"CLBTNFACE", value));
    EXPECT_EQ(value, clBtnFace);
    EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0xFF00000Fu);
    // Two names for one value: the first of the table names it.
    std::wstring name;
    EXPECT_TRUE(ColorToIdent(clLtGray, name));
    EXPECT_EQ(name, L"clSilver");
    EXPECT_FALSE(IdentToColor(L"clNoSuchColour", value));
}

TEST(Colors, RegisteredNamesComeBeforeStandardOnes) {
    RegisterColorName(L"clGrid", static_cast<TColor>(0xDFDFDF));
    RegisterColorName(L"clAccentTest", clRed);
    RegisterColorName(L"clGrid", static_cast<TColor>(0x123456));  // a name keeps its first value

    TColor value{};
    ASSERT_TRUE(IdentToColor(L"clgrid", value));
    EXPECT_EQ(value, 0xDFDFDF);
    std::wstring name;
    ASSERT_TRUE(ColorToIdent(static_cast<TColor>(0xDFDFDF), name));
    EXPECT_EQ(name, L"clGrid");
    EXPECT_EQ(StringToColor(L"clGrid"), 0xDFDFDF);
    EXPECT_EQ(ColorToString(static_cast<TColor>(0xDFDFDF)), L"clGrid");
    EXPECT_EQ(ColorToString(static_cast<TColor>(0x123456)), L"$00123456");

    ASSERT_TRUE(ColorToIdent(clRed, name));
    EXPECT_EQ(name, L"clAccentTest");
    ASSERT_TRUE(IdentToColor(L"clRed", value));
    EXPECT_EQ(value, clRed);
}

TEST(Colors, StringToColorAcceptsNamesHexAndIntegers) {
    const struct {
        const wchar_t* Text;
        std::uint32_t Value;
    } cases[] = {
        {L"clBtnFace", 0xFF00000F}, {L"$00DFDFDF", 0xDFDFDF}, {L"$FF00000F", 0xFF00000F},
        {L"$ff", 0xFF},             {L"0x00B1A598", 0xB1A598}, {L"11642264", 11642264},
        {L"-16777201", 0xFF00000F}, {L"+255", 255},            {L"4278190095", 0xFF00000F},
    };
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<std::uint32_t>(StringToColor(c.Text)), c.Value) << c.Text;
}

TEST(Colors, StringToColorRejectsOtherText) {
    for (const wchar_t* text : {L"", L"$", L"$123456789", L"$12G", L"12a", L"--1", L"-", L"4294967296",
                                L"-2147483649", L" 12", L"clNoSuchColour"})
        EXPECT_THROW(StringToColor(text), Exception) << text;
    try {
        StringToColor(L"verde");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(L"verde"), std::wstring::npos) << e.what();
    }
}

TEST(Colors, ColorToStringWritesUnnamedValuesInHex) {
    EXPECT_EQ(ColorToString(static_cast<TColor>(0x00B1A598)), L"$00B1A598");
    EXPECT_EQ(ColorToString(static_cast<TColor>(0xFF000019)), L"$FF000019");  // no system colour 25
    EXPECT_EQ(ColorToString(clBtnFace), L"clBtnFace");
}

TEST(Colors, ColorToRGBResolvesSystemColours) {
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xB1A598)), 0xB1A598u);
    EXPECT_EQ(ColorToRGB(RGBColor(1, 2, 3)), RGB(1, 2, 3));
}
