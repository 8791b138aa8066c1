// Colour-and-font themes, one per module kind. The two kinds the program
// uses are filled at start-up from the built-in default design; the tab
// control reads the tab-strip start colour.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "ui/platform/graphics/colors.h"

enum TZarvModuleKind : std::uint8_t { mDate = 0, mListe = 1 };
inline constexpr int ModuleKindCount = 14;

struct TThemeFont {
    std::wstring Name;  // at most 100 characters
    int Size = 0;
    int Bold = 0;
    TColor Color = clBlack;
    TColor SelColor = clBlack;
};

struct TGradient {
    TColor Start = clBlack;
    TColor End = clBlack;
};

struct TDesignTheme {
    TThemeFont MenuFont, ListFont, ModuleFont, TabFont, TitleListFont, BarFont;
    TColor TabInactiveColor = clBlack;
    TColor BarColor = clBlack, BarButtonColor = clBlack;
    TColor SubmenuColor = clBlack, SubmenuSelColor = clBlack, SubmenuFontColor = clBlack, SubmenuSelFontColor = clBlack;
    TColor ViewSelColor = clBlack, ViewColor = clBlack, ViewGridColor = clBlack;
    TColor ModuleColor = clBlack, ActiviColor = clBlack, TabSortColor = clBlack;
    int BulletF = 0, BulletD = 0;
    TColor ButtonFaceColor = clBlack, ButtonFaceFontColor = clBlack, ButtonDownColor = clBlack,
           ButtonDownFontColor = clBlack;
    TColor SubunitFontColor = clBlack, UserFontColor = clBlack;
    TGradient ModuleArea, Tabs, InactiveTabs, TitleList;
};

// A theme's text lines read as a key store: "KEY=value" under [ZRV_DESIGN],
// keys matched without regard to case, integers decimal or "$" hexadecimal.
class TDesignStore {
public:
    explicit TDesignStore(std::wstring_view text);
    int Integer(std::wstring_view key, int fallback = 0) const;
    std::wstring Text(std::wstring_view key) const;

private:
    std::map<std::wstring, std::wstring> FValues;  // upper-case keys
};

// The built-in default design of a module kind, as text lines.
std::wstring DefaultDesignText(TZarvModuleKind kind);
// Reads one kind's theme from a store under the given design suffix.
TDesignTheme ReadTheme(const TDesignStore& store, std::wstring_view suffix);
// Fills the themes of mDate and then mListe from the default design.
void LoadDefaultThemes();

const TDesignTheme& Theme(int kind);
int DesignType();      // "TIPDESIGN", of the kind loaded last
int TitleBarDesign();  // "TITLEBAR", of the kind loaded last
// The tab-strip start colour of a module kind; 0 for a kind without a theme.
TColor TabStripStartColor(int kind);
