#include "ui/controls/button_kinds.h"

#include "ui/base/image_container.h"

namespace {

struct TKindRow {
    std::wstring_view Name;
    std::wstring_view Caption;
    int ModalResult;
    int Width;
    std::wstring_view Picture;  // empty: none
};

constexpr TKindRow Rows[ButtonKindCount] = {
    {L"mkFirst", L"f", 0, 42, L"Buget"},
    {L"mkPrev", L"&p", 0, 42, L"Precedent"},
    {L"mkNext", L"&u", 0, 42, L"Urmator"},
    {L"mkLast", L"", 0, 42, L""},
    {L"mkAdd", L"&Adaug", 0, 70, L"Add"},
    {L"mkDelete", L"&Sterg", 0, 70, L"Delete"},
    {L"mkRecord", L"&Jurnal", 0, 70, L"Jurnal"},
    {L"mkView", L"&w", 0, 70, L"Vizual"},
    {L"mkPrint", L"&Listare", 0, 70, L"Print"},
    {L"mkOK", L"O&K", 1, 70, L"OK"},
    {L"mkCancel", L"&Renunt", 2, 70, L"Cancel"},
    {L"mkHelp", L"S&faturi", 0, 70, L"Help"},
    {L"mkCustom", L"", 0, 90, L""},
    {L"mkYes", L"&Da", 6, 90, L"OK"},
    {L"mkNo", L"&Nu", 7, 90, L"Nu"},
    {L"mkClose", L"I&esire", 2, 90, L"Exit"},
    {L"mkAbort", L"&Abandon", 3, 90, L"Cancel"},
    {L"mkRetry", L"&Retry", 4, 90, L"Retry"},
    {L"mkIgnore", L"&Ignora", 5, 90, L""},
    {L"mkAll", L"&Toate", 12, 90, L"All"},
    {L"mkEdit", L"&Modific", 0, 90, L"Edit"},
    {L"mkAnalitic", L"Analiti&c", 0, 90, L"Analitic"},
    {L"mkDetalii", L"&Detalii", 0, 90, L"Detalii"},
    {L"mkZarvan", L"Zarv&an", 0, 90, L"Zarvan"},
    {L"mkSave", L"Salve&z", 0, 90, L"Save"},
    {L"mkPlus", L"", 0, 42, L"Plus"},
    {L"mkUnelte", L"", 0, 45, L"BUnelte"},
    {L"mkConfig", L"", 0, 45, L"Config"},
    {L"mkStoc", L"", 0, 45, L"Stoc"},
    {L"mkSold", L"", 0, 45, L"Sold"},
    {L"mkIntr", L"", 0, 45, L"BIntr"},
    {L"mkTransf", L"", 0, 45, L"BSediu"},
    {L"mkIes", L"", 0, 45, L"BIes"},
    {L"mkBani", L"", 0, 45, L"BBani"},
    {L"mkMail", L"E&Mail", 0, 45, L"Mail"},
    {L"mkBigExit", L"", 0, 45, L"BigExit"},
    {L"mkPlusAdd", L"", 0, 45, L"PlusAdd"},
    {L"mkPlusBlue", L"", 0, 45, L"PlusBlue"},
    {L"mkPlusPorto", L"", 0, 45, L"PlusPorto"},
    {L"mkPlusPeach", L"", 0, 45, L"PlusPeach"},
    {L"mkPlusSnorkel", L"", 0, 45, L"PlusSnorkel"},
    {L"mkMinusDel", L"", 0, 45, L"MinusDel"},
    {L"mkFirstPag", L"", 0, 45, L"FirstPag"},
    {L"mkLastPag", L"", 0, 45, L"LastPag"},
    {L"mkPrevPag", L"", 0, 45, L"PrevPag"},
    {L"mkNextPag", L"", 0, 45, L"NextPag"},
    {L"mknPrev", L"", 0, 45, L"nPrev"},
    {L"mknNext", L"", 0, 45, L"nNext"},
    {L"mkFind", L"", 0, 45, L"Find"},
    {L"mkFindNext", L"", 0, 45, L"FindNext"},
    {L"mkGrafic", L"", 0, 45, L"Grafic"},
    {L"mkSaveAs", L"", 0, 45, L"SaveAs"},
    {L"mknFirst", L"", 0, 45, L"nFirst"},
    {L"mknLast", L"", 0, 45, L"nLast"},
    {L"mkContr", L"", 0, 70, L"Contract"},
    {L"mkExpl", L"", 0, 70, L"Explicatii"},
    {L"mkPermis", L"", 0, 45, L"Permis"},
    {L"mkAction", L"?", 0, 45, L"UrmatorBlue"},
    {L"mkAdvanced", L"", 0, 90, L"Avansat"},
};

template <class T, class F>
constexpr std::array<T, ButtonKindCount> Column(F field) {
    std::array<T, ButtonKindCount> column{};
    for (std::size_t i = 0; i < ButtonKindCount; ++i) column[i] = field(Rows[i]);
    return column;
}

// The kind without its top bit, or -1 for values above 58.
int KindIndex(TMButtonKind kind) {
    const int index = kind & 0x7F;
    return IsButtonKind(index) ? index : -1;
}

}  // namespace

const std::array<std::wstring_view, ButtonKindCount> KindNames =
    Column<std::wstring_view>([](const TKindRow& r) { return r.Name; });
const std::array<std::wstring_view, ButtonKindCount> KindCaptions =
    Column<std::wstring_view>([](const TKindRow& r) { return r.Caption; });
const std::array<int, ButtonKindCount> KindModalResults = Column<int>([](const TKindRow& r) { return r.ModalResult; });
const std::array<int, ButtonKindCount> KindWidths = Column<int>([](const TKindRow& r) { return r.Width; });

const TBitmap& KindGlyph(TMButtonKind kind) {
    const int index = KindIndex(kind);
    if (index < 0 || Rows[index].Picture.empty()) return EmptyBitmap();
    return ContainerPicture(Rows[index].Picture);
}

const TBitmap& NiceKindGlyph(TMButtonKind kind) {
    if (KindIndex(kind) == mkIgnore) return ContainerPicture(L"PrnSetup");
    return KindGlyph(kind);
}
