#include "ui/platform/graphics/font.h"

#include "ui/platform/graphics/screen_caps.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

LOGFONTW Describe(HFONT font) {
    LOGFONTW lf{};
    EXPECT_EQ(GetObjectW(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
    return lf;
}

// A font whose change notifications are counted.
struct CountedFont {
    TFont Font;
    int Changes = 0;
    CountedFont() { Font.OnChange = [this] { ++Changes; }; }
};

}  // namespace

TEST(Font, Defaults) {
    TFont font;
    EXPECT_EQ(font.Name(), L"MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.PixelsPerInch(), ScreenPixelsPerInch());
    EXPECT_EQ(font.Size(), MulDiv(11, 72, ScreenPixelsPerInch()));
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.Pitch(), fpDefault);
}

TEST(Font, EachChangeMakesANewHandleAndNotifiesOnce) {
    const struct {
        const char* What;
        std::function<void(TFont&)> Change;
        std::function<void(const LOGFONTW&)> Check;
    } cases[] = {
        {"name", [](TFont& f) { f.SetName(L"Arial"); },
         [](const LOGFONTW& lf) { EXPECT_EQ(std::wstring(lf.lfFaceName), L"Arial"); }},
        {"height", [](TFont& f) { f.SetHeight(-20); }, [](const LOGFONTW& lf) { EXPECT_EQ(lf.lfHeight, -20); }},
        {"size", [](TFont& f) { f.SetPixelsPerInch(120); f.SetSize(12); },
         [](const LOGFONTW& lf) { EXPECT_EQ(lf.lfHeight, -20); }},
        {"style", [](TFont& f) { f.SetStyle(fsBold | fsItalic); },
         [](const LOGFONTW& lf) {
             EXPECT_EQ(lf.lfWeight, FW_BOLD);
             EXPECT_TRUE(lf.lfItalic);
             EXPECT_FALSE(lf.lfUnderline);
         }},
        {"charset", [](TFont& f) { f.SetCharset(EASTEUROPE_CHARSET); },
         [](const LOGFONTW& lf) { EXPECT_EQ(lf.lfCharSet, EASTEUROPE_CHARSET); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        CountedFont counted;
        const HFONT before = counted.Font.Handle();
        c.Change(counted.Font);
        EXPECT_GE(counted.Changes, 1);
        const int changes = counted.Changes;
        c.Change(counted.Font);  // the same values again change nothing
        EXPECT_EQ(counted.Changes, changes);
        const HFONT after = counted.Font.Handle();
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(GetObjectType(before), 0u) << "the old font is deleted";
        c.Check(Describe(after));
    }
}

TEST(Font, ColourChangeNotifiesButKeepsTheHandle) {
    CountedFont counted;
    const HFONT handle = counted.Font.Handle();
    counted.Font.SetColor(clRed);
    EXPECT_EQ(counted.Changes, 1);
    EXPECT_EQ(counted.Font.Handle(), handle);
    EXPECT_EQ(counted.Font.Color(), clRed);
}

TEST(Font, AssignCopiesTheDescriptionWithOneNotification) {
    TFont source;
    source.SetName(L"Arial");
    source.SetStyle(TFontStyles(fsUnderline).Include(fsStrikeOut));
    source.SetColor(clNavy);
    CountedFont target;
    EXPECT_FALSE(target.Font == source);
    target.Font.Assign(source);
    EXPECT_TRUE(target.Font == source);
    EXPECT_EQ(target.Changes, 1);
    target.Font.Assign(source);
    EXPECT_EQ(target.Changes, 1);
    const LOGFONTW lf = Describe(target.Font.Handle());
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_TRUE(lf.lfStrikeOut);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
}

TEST(FontStyles, SetOperations) {
    TFontStyles styles = fsBold | fsUnderline;
    EXPECT_TRUE(styles.Contains(fsBold));
    EXPECT_FALSE(styles.Contains(fsItalic));
    styles.Exclude(fsBold).Include(fsItalic);
    EXPECT_EQ(styles, fsItalic | fsUnderline);
    EXPECT_EQ(styles - TFontStyles(fsItalic), TFontStyles(fsUnderline));
    EXPECT_TRUE((styles & TFontStyles(fsBold)).Empty());
}
