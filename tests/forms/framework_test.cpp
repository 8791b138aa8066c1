// Framework start-up: the image container with its pictures, the colour
// depth switch, the hint colour, the named colours, the themes and the
// embedded heading typeface.
#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"
#include "ui/base/design_themes.h"
#include "ui/forms/framework.h"
#include "ui/base/image_container.h"
#include "ui/base/named_colors.h"
#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/sysutils.h"

namespace {

struct FrameworkTest : ::testing::Test {
    void SetUp() override {
        Application->Initialize();
        FrameworkStartup();
    }
    void TearDown() override { FrameworkShutdown(); }
};

TEST_F(FrameworkTest, TheContainerHoldsEveryPictureWithItsSize) {
    struct Case {
        const wchar_t* Name;
        int Width, Height;
    };
    const Case cases[] = {
        {L"OK", 84, 28},          {L"ButtonFaceZRV", 180, 28}, {L"ButtonFaceZRV120", 180, 35},
        {L"Check", 66, 15},       {L"Radio", 22, 11},          {L"Tab", 234, 34},
        {L"TabCtrlFace", 360, 28}, {L"MenuTabCtrlFace120", 360, 31}, {L"SagUp", 33, 13},
        {L"Constante", 99, 31},   {L"SiglaWhiteL", 286, 40},   {L"Neoperat", 41, 60},
        {L"ImageListe", 160, 160}, {L"ButtonFace2", 0, 0},     {L"NuExista", 0, 0},
    };
    for (const Case& c : cases) {
        const TBitmap& picture = ContainerPicture(c.Name);
        EXPECT_EQ(picture.Width(), c.Width) << WideToUtf8(c.Name);
        EXPECT_EQ(picture.Height(), c.Height) << WideToUtf8(c.Name);
    }
    EXPECT_EQ(ContainerPicture(L"ImageListe").PixelFormat(), pf8bit);
    EXPECT_TRUE(ContainerPicture(L"Tab").HasAlpha());
    EXPECT_EQ(Mesaj->ComponentCount(), 106);  // 104 pictures, a label and a button
    EXPECT_EQ(Mesaj->ClientWidth(), 1030);
    EXPECT_FALSE(Mesaj->Visible());
}

TEST_F(FrameworkTest, LookupsWithoutAPictureGiveTheEmptyBitmap) {
    EXPECT_EQ(&DialogPicture(mtCustom), &EmptyBitmap());
    EXPECT_EQ(&ContainerPicture(L"ButtonFace2"), &EmptyBitmap());
    EXPECT_EQ(DialogPicture(mtWarning).Width(), 86);
    EXPECT_EQ(DialogPicture(static_cast<TMsgDlgType>(9)).Width(), 0);
    EXPECT_TRUE(EmptyBitmap().Empty());
}

TEST_F(FrameworkTest, StartUpSetsTheSharedValues) {
    EXPECT_EQ(ExeDir, ExtractFilePath(ModuleFileName()));
    EXPECT_EQ(ExeDir.back(), L'\\');
    EXPECT_EQ(DataDirectory, ExeDir);
    EXPECT_TRUE(HighColorDisplay);  // the test display has 24 bits per pixel
    EXPECT_EQ(Application->HintColor, static_cast<TColor>(15131353));
    EXPECT_EQ(FaceBitmap, &ContainerPicture(L"ButtonFaceZRV"));
    EXPECT_EQ(IconFaceBitmap->Width(), 56);
    EXPECT_FALSE(Mesaj->Caption().empty());
    EXPECT_NE(Mesaj->Caption(), L"?");
}

TEST(FrameworkLowColor, TheMarkerFileSwitchesToLowColour) {
    Application->Initialize();
    const std::wstring marker = ExtractFilePath(ModuleFileName()) + L"LowColor.dat";
    WriteText(marker, "");
    FrameworkStartup();
    const bool high = HighColorDisplay;
    const TColor hint = Application->HintColor;
    FrameworkShutdown();
    DeleteFileW(marker.c_str());
    EXPECT_FALSE(high);
    EXPECT_EQ(hint, static_cast<TColor>(65535));
}

TEST_F(FrameworkTest, NamedColoursComeBeforeTheStandardNames) {
    TColor color;
    ASSERT_TRUE(IdentToColor(L"clGrid", color));
    EXPECT_EQ(color, clGrid);
    std::wstring name;
    ASSERT_TRUE(ColorToIdent(static_cast<TColor>(0xCFCFCF), name));
    EXPECT_EQ(name, L"cl3");
    ASSERT_TRUE(IdentToColor(L"clBtnFace", color));
    EXPECT_EQ(color, clBtnFace);
    TForm form(nullptr);
    LoadFormDefinitionText(form, L"TForm F {\n Color = clActiveTitleBar\n}", L"TColours");
    EXPECT_EQ(form.Color(), static_cast<TColor>(0x8A4507));
}

TEST_F(FrameworkTest, ThemesGiveEachKindItsTabStripStartColour) {
    EXPECT_EQ(TabStripStartColor(mDate), static_cast<TColor>(12040119));
    EXPECT_EQ(TabStripStartColor(mListe), static_cast<TColor>(13412194));
    EXPECT_EQ(TabStripStartColor(2), static_cast<TColor>(0));
    EXPECT_EQ(TabStripStartColor(-1), static_cast<TColor>(0));
    EXPECT_EQ(Theme(mDate).SubmenuColor, static_cast<TColor>(0x4B4B4B));
    EXPECT_EQ(Theme(mListe).SubmenuColor, static_cast<TColor>(13619151));
    EXPECT_EQ(Theme(mDate).ModuleFont.Name, L"MS Sans Serif");
    EXPECT_EQ(TitleBarDesign(), 2);  // the kind loaded last wins
}

TEST(DesignStore, KeysMatchWithoutRegardToCase) {
    const TDesignStore store(L"[Alta]\r\nX=1\r\n[ZRV_DESIGN]\r\nname_modulfont_date=Arial\r\nCOLOR_VIEW_DATE=$00FF00\r\n"
                             L"SIZE_TAB_DATE=opt\r\n");
    EXPECT_EQ(store.Text(L"NAME_ModulFONT_DATE"), L"Arial");
    EXPECT_EQ(store.Integer(L"color_view_date"), 0xFF00);
    EXPECT_EQ(store.Integer(L"X", -1), -1);          // other sections do not count
    EXPECT_EQ(store.Integer(L"SIZE_TAB_DATE", 8), 8);  // not a number
    const std::wstring longName(150, L'a');
    const TDesignStore longStore(L"[ZRV_DESIGN]\nNAME_TAB_DATE=" + longName);
    EXPECT_EQ(ReadTheme(longStore, L"DATE").TabFont.Name.size(), 100u);
}

TEST(HeadingTypeface, TheEmbeddedFontInstallsUnderItsFamilyName) {
    HRSRC info = FindResourceW(nullptr, L"HELVETICAR", MAKEINTRESOURCEW(10));  // RT_RCDATA
    ASSERT_NE(info, nullptr);
    void* data = LockResource(LoadResource(nullptr, info));
    DWORD count = 0;
    HANDLE font = AddFontMemResourceEx(data, SizeofResource(nullptr, info), nullptr, &count);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(count, 1u);
    HFONT handle = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Helvetica Black_r");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, handle);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(handle);
    RemoveFontMemResourceEx(font);
    EXPECT_STREQ(face, L"Helvetica Black_r");
}

}  // namespace

namespace {

TEST_F(FrameworkTest, DefinitionsCanUseEveryFrameworkControl) {
    TForm form(nullptr);
    LoadFormDefinitionText(form,
                           L"TForm F {\n"
                           L" TTitleBar TitleBar1 { Caption = \"Titlu\" }\n"
                           L" TMButton B1 { Kind = mknNext }\n"
                           L" TNiceButton B2 { Kind = mkCancel }\n"
                           L" TFmtLabel L1 { Caption = \"@9Rosu\" }\n"
                           L" TTransImage I1 { KindMic = mkOK }\n"
                           L" TMovePanel P1 { }\n"
                           L"}",
                           L"TAll");
    EXPECT_EQ(static_cast<TControl*>(form.FindComponent(L"I1"))->Width(), 84);
    EXPECT_EQ(form.ComponentCount(), 6);
}

}  // namespace
