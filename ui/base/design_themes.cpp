#include "ui/base/design_themes.h"

#include <array>
#include <cwctype>
#include <sstream>

namespace {

struct DefaultValue {
    const wchar_t* Key;
    const wchar_t* Date;
    const wchar_t* Liste;  // nullptr: as for mDate
};

const DefaultValue DefaultDesign[] = {
    {L"TIPDESIGN_DATE", L"2", nullptr},
    {L"TITLEBAR_DATE", L"0", L"2"},
    {L"COLOR_FLFontDATE", L"1", nullptr},
    {L"COLOR_FLSELFontDATE", L"16777215", nullptr},
    {L"COLOR_MODULFontDATE", L"13676718", nullptr},
    {L"COLOR_ModulSELFontDATE", L"0", nullptr},
    {L"BOLD_FLFONT_DATE", L"1", nullptr},
    {L"BOLD_MODULFONT_DATE", L"1", nullptr},
    {L"NAME_FLFONT_DATE", L"MS Sans Serif", nullptr},
    {L"NAME_MODULFONT_DATE", L"MS Sans Serif", nullptr},
    {L"NAME_MENUFONT_DATE", L"MS Sans Serif", nullptr},
    {L"NAME_TAB_DATE", L"MS Sans Serif", nullptr},
    {L"NAME_LTITFONT_DATE", L"MS Sans Serif", nullptr},
    {L"NAME_BARA_DATE", L"MS Sans Serif", nullptr},
    {L"SIZE_FLFONT_DATE", L"8", nullptr},
    {L"SIZE_ModulFONT_DATE", L"8", nullptr},
    {L"SIZE_MENUFONT_DATE", L"8", nullptr},
    {L"SIZE_TAB_DATE", L"8", nullptr},
    {L"SIZE_BARA_DATE", L"8", nullptr},
    {L"BOLD_MENUFONT_DATE", L"1", nullptr},
    {L"COLOR_MENUFONT_DATE", L"1", nullptr},
    {L"COLOR_MENUSELFONT_DATE", L"3573502", nullptr},
    {L"BOLD_TAB_DATE", L"1", nullptr},
    {L"COLOR_TAB_DATE", L"4194368", L"16777215"},
    {L"COLOR_TABINACTIV_DATE", L"13290186", L"12040119"},
    {L"COLOR_MODULE_DATE", L"0", nullptr},
    {L"COLOR_ACTIVI_DATE", L"0", nullptr},
    {L"COLOR_TABASORT_DATE", L"1", nullptr},
    {L"TipBulinaF_DATE", L"4", nullptr},
    {L"TipBulinaD_DATE", L"0", nullptr},
    {L"COLOR_DATE_START", L"12040119", nullptr},
    {L"COLOR_DATE_END", L"16777215", nullptr},
    {L"COLOR_TABDATE_START", L"12040119", L"13412194"},
    {L"COLOR_TABDATE_END", L"16777215", nullptr},
    {L"COLOR_TABINACTIVDATE_START", L"15047949", L"14256651"},
    {L"COLOR_TABINACTIVDATE_END", L"15047949", L"12220728"},
    {L"COLOR_SUBMENU_DATE", L"$004B4B4B", L"13619151"},
    {L"COLOR_SUBMENUSEL_DATE", L"$00161616", L"15724527"},
    {L"COLOR_SUBMENUFONT_DATE", L"$00BEBEBE", L"0"},
    {L"COLOR_SUBMENUSELFONT_DATE", L"$00BEBEBE", L"0"},
    {L"COLOR_VIEWSEL_DATE", L"10474072", nullptr},
    {L"COLOR_VIEW_DATE", L"11644033", nullptr},
    {L"COLOR_VIEWGRID_DATE", L"12632256", nullptr},
    {L"COLOR_LTITDATE_START", L"14590721", nullptr},
    {L"COLOR_LTITFontDATE", L"16777215", nullptr},
    {L"BOLD_LTITFONT_DATE", L"8", nullptr},
    {L"SIZE_LTITFONT_DATE", L"1", nullptr},
    {L"BFColorDATE_START", L"11974326", nullptr},
    {L"BFFColorDATE_START", L"16777215", nullptr},
    {L"BDColorDATE_START", L"10263709", nullptr},
    {L"BDFColorDATE_START", L"16777215", nullptr},
    {L"SubunitFColorDATE_START", L"0", nullptr},
    {L"UserFColorDATE_START", L"0", nullptr},
    {L"COLOR_BARA_DATE", L"13290186", L"12564885"},
    {L"COLOR_BUTBARA_DATE", L"13290186", L"13614725"},
    {L"COLOR_BARAFONT_DATE", L"0", nullptr},
    {L"BOLD_BARA_DATE", L"1", nullptr},
};

std::wstring Upper(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result) c = static_cast<wchar_t>(std::towupper(c));
    return result;
}

std::wstring Trim(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t\r");
    if (first == std::wstring_view::npos) return {};
    const auto last = text.find_last_not_of(L" \t\r");
    return std::wstring(text.substr(first, last - first + 1));
}

bool ParseInteger(const std::wstring& text, long long& value) {
    if (text.empty()) return false;
    std::size_t pos = 0;
    const bool hex = text[0] == L'$';
    try {
        value = std::stoll(hex ? text.substr(1) : text, &pos, hex ? 16 : 10);
    } catch (...) {
        return false;
    }
    return pos == text.size() - (hex ? 1 : 0);
}

std::array<TDesignTheme, ModuleKindCount> Themes;
bool ThemeLoaded[ModuleKindCount] = {};
int TipDesign = 0;
int TitleBar = 0;

}  // namespace

TDesignStore::TDesignStore(std::wstring_view text) {
    std::wistringstream lines{std::wstring(text)};
    std::wstring line;
    bool inDesign = false;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (!line.empty() && line.front() == L'[') {
            inDesign = Upper(line) == L"[ZRV_DESIGN]";
            continue;
        }
        const auto equals = line.find(L'=');
        if (!inDesign || equals == std::wstring::npos) continue;
        FValues[Upper(Trim(line.substr(0, equals)))] = Trim(line.substr(equals + 1));
    }
}

int TDesignStore::Integer(std::wstring_view key, int fallback) const {
    auto it = FValues.find(Upper(key));
    long long value = 0;
    if (it == FValues.end() || !ParseInteger(it->second, value)) return fallback;
    return static_cast<int>(value);
}

std::wstring TDesignStore::Text(std::wstring_view key) const {
    auto it = FValues.find(Upper(key));
    return it == FValues.end() ? std::wstring() : it->second;
}

std::wstring DefaultDesignText(TZarvModuleKind kind) {
    std::wstring text = L"[ZRV_DESIGN]\r\n";
    for (const DefaultValue& v : DefaultDesign)
        text += std::wstring(v.Key) + L"=" + (kind == mListe && v.Liste ? v.Liste : v.Date) + L"\r\n";
    return text;
}

TDesignTheme ReadTheme(const TDesignStore& store, std::wstring_view suffix) {
    const std::wstring s(suffix);
    const auto integer = [&](const wchar_t* stem, const wchar_t* tail = L"") { return store.Integer(stem + s + tail); };
    const auto color = [&](const wchar_t* stem, const wchar_t* tail = L"") {
        return static_cast<TColor>(integer(stem, tail));
    };
    const auto name = [&](const wchar_t* stem) { return store.Text(stem + s).substr(0, 100); };
    TDesignTheme t;
    t.MenuFont = {name(L"NAME_MENUFONT_"), integer(L"SIZE_MENUFONT_"), integer(L"BOLD_MENUFONT_"),
                  color(L"COLOR_MENUFONT_"), color(L"COLOR_MENUSELFONT_")};
    t.ListFont = {name(L"NAME_FLFONT_"), integer(L"SIZE_FLFONT_"), integer(L"BOLD_FLFONT_"), color(L"COLOR_FLFont"),
                  color(L"COLOR_FLSELFont")};
    t.ModuleFont = {name(L"NAME_ModulFONT_"), integer(L"SIZE_ModulFONT_"), integer(L"BOLD_MODULFONT_"),
                    color(L"COLOR_MODULFont"), color(L"COLOR_ModulSELFont")};
    t.TabFont = {name(L"NAME_TAB_"), integer(L"SIZE_TAB_"), integer(L"BOLD_TAB_"), color(L"COLOR_TAB_"),
                 color(L"COLOR_TAB_")};
    t.TitleListFont = {name(L"NAME_LTITFONT_"), integer(L"SIZE_LTITFONT_"), integer(L"BOLD_LTITFONT_"),
                       color(L"COLOR_LTITFont"), color(L"COLOR_LTITFont")};
    t.BarFont = {name(L"NAME_BARA_"), integer(L"SIZE_BARA_"), integer(L"BOLD_BARA_"), color(L"COLOR_BARAFONT_"),
                 color(L"COLOR_BARAFONT_")};
    t.TabInactiveColor = color(L"COLOR_TABINACTIV_");
    t.BarColor = color(L"COLOR_BARA_");
    t.BarButtonColor = color(L"COLOR_BUTBARA_");
    t.SubmenuColor = color(L"COLOR_SUBMENU_");
    t.SubmenuSelColor = color(L"COLOR_SUBMENUSEL_");
    t.SubmenuFontColor = color(L"COLOR_SUBMENUFONT_");
    t.SubmenuSelFontColor = color(L"COLOR_SUBMENUSELFONT_");
    t.ViewSelColor = color(L"COLOR_VIEWSEL_");
    t.ViewColor = color(L"COLOR_VIEW_");
    t.ViewGridColor = color(L"COLOR_VIEWGRID_");
    t.ModuleColor = color(L"COLOR_MODULE_");
    t.ActiviColor = color(L"COLOR_ACTIVI_");
    t.TabSortColor = color(L"COLOR_TABASORT_");
    t.BulletF = integer(L"TipBulinaF_");
    t.BulletD = integer(L"TipBulinaD_");
    t.ButtonFaceColor = color(L"BFColor", L"_START");
    t.ButtonFaceFontColor = color(L"BFFColor", L"_START");
    t.ButtonDownColor = color(L"BDColor", L"_START");
    t.ButtonDownFontColor = color(L"BDFColor", L"_START");
    t.SubunitFontColor = color(L"SubunitFColor", L"_START");
    t.UserFontColor = color(L"UserFColor", L"_START");
    t.ModuleArea = {color(L"COLOR_", L"_START"), color(L"COLOR_", L"_END")};
    t.Tabs = {color(L"COLOR_TAB", L"_START"), color(L"COLOR_TAB", L"_END")};
    t.InactiveTabs = {color(L"COLOR_TABINACTIV", L"_START"), color(L"COLOR_TABINACTIV", L"_END")};
    t.TitleList = {color(L"COLOR_LTIT", L"_START"), color(L"COLOR_LTIT", L"_START")};
    return t;
}

void LoadDefaultThemes() {
    for (TZarvModuleKind kind : {mDate, mListe}) {
        const TDesignStore store(DefaultDesignText(kind));
        Themes[kind] = ReadTheme(store, L"DATE");
        ThemeLoaded[kind] = true;
        TipDesign = store.Integer(L"TIPDESIGN_DATE");
        TitleBar = store.Integer(L"TITLEBAR_DATE");
    }
}

const TDesignTheme& Theme(int kind) {
    static const TDesignTheme none;
    return kind >= 0 && kind < ModuleKindCount ? Themes[static_cast<std::size_t>(kind)] : none;
}

int DesignType() { return TipDesign; }
int TitleBarDesign() { return TitleBar; }

TColor TabStripStartColor(int kind) {
    if (kind < 0 || kind >= ModuleKindCount || !ThemeLoaded[kind]) return static_cast<TColor>(0);
    return Themes[static_cast<std::size_t>(kind)].Tabs.Start;
}
