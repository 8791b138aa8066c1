// Character sets, entities and the style sheets' precedence.
#include <gtest/gtest.h>

#include "tests/html/html_test_support.h"
#include "ui/html/html_charset.h"
#include "ui/html/style_resolver.h"

namespace {

struct CharsetCase {
    std::string Bytes;
    std::wstring Ends;   // what the decoded text ends with
};

TEST(HtmlCharset, DecodesByMarkThenDeclarationThenContent) {
    const CharsetCase cases[] = {
        {"\xEF\xBB\xBF" "a\xC4\x83", L"a\u0103"},
        {std::string("\xFF\xFE" "a\0\x03\x01", 6), L"a\u0103"},
        {std::string("\xFE\xFF\0a\x01\x03", 6), L"a\u0103"},
        {"<meta charset=windows-1250>\xE3\xBA\xFE\xE2\xEE", L"\u0103\u015F\u0163\u00E2\u00EE"},
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-2\">\xE3\xBA", L"\u0103\u015F"},
        {"<meta charset='windows-1252'>\x80\xE9", L"\u20AC\u00E9"},
        {"plain \xC8\x99", L"\u0219"},
        {"<meta charset=utf-8>bad \xFF", L"\uFFFD"},
        {std::string("a\0b", 3), L"a b"},
    };
    for (const CharsetCase& c : cases) {
        const std::wstring text = DecodePage({reinterpret_cast<const std::uint8_t*>(c.Bytes.data()), c.Bytes.size()});
        EXPECT_TRUE(text.ends_with(c.Ends)) << c.Bytes;
    }
    EXPECT_EQ(CodePageOfCharset("Windows-1250"), 1250u);
    EXPECT_EQ(CodePageOfCharset("no-such-set"), 0u);
}

TEST(HtmlParser, DecodesEntitiesAndKeepsTheTitle) {
    const auto doc = ParseHtml("<html><head><title>\n  Instructiuni  pentru\tversiune </title></head>"
                               "<body><p>&amp;&lt;&eacute;&#259;&#x219;&nbsp;&#150;&copy;</p></body></html>");
    EXPECT_EQ(doc->Title, L"Instructiuni pentru versiune");
    const THtmlNode* body = doc->Body();
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->InnerText(), L"&<\u00E9\u0103\u0219\u00A0\u2013\u00A9");
}

TEST(HtmlParser, FlattensNestingPastTheDepthLimit) {
    std::string html = "<p>before</p>";
    for (int i = 0; i < 200; ++i) html += "<div>";
    html += "deep";
    auto doc = ParseHtml(html);
    int depth = 0;
    for (const THtmlNode* n = doc->Body(); n && !n->Children.empty(); n = n->Children.back().get()) ++depth;
    EXPECT_LE(depth, MaxNodeDepth + 1);
    EXPECT_NE(doc->Body()->InnerText().find(L"deep"), std::wstring::npos);
    // Deeper still, the parser gives up on what lies past its own limit
    // and keeps what came before.
    for (int i = 0; i < 5000; ++i) html += "<div>";
    doc = ParseHtml(html);
    ASSERT_NE(doc->Body(), nullptr);
    EXPECT_NE(doc->Body()->InnerText().find(L"before"), std::wstring::npos);
}

struct ColorCase {
    const wchar_t* Title;
    TColor Color;
};

TEST(HtmlStyle, StrongerSelectorsAndLaterRulesWin) {
    const char* html =
        "<style>p { color: red } .c { color: green } #i { color: blue } div p { color: #010203 }"
        " .imp { color: #0A0B0C !important } font { color: #070809 } @media print { p { color: #111111 } }"
        " p.c.d { color: #202020 } span, em { color: #303030 }</style>"
        "<p title=tag>x</p><p title=class class=c>x</p><p title=id class=c id=i>x</p>"
        "<div><p title=descendant>x</p><p title=class-over-descendant class=c>x</p></div>"
        "<p title=inline id=i style='color:#040506'>x</p><p title=important class=imp style='color:#040506'>x</p>"
        "<font title=sheet-over-attribute color=red>x</font><p title=two-classes class='d c'>x</p>"
        "<em title=group>x</em><p title=inherited style='color:#050505'><b title=child>x</b></p>";
    const auto page = LayOut(html, 400);
    const ColorCase cases[] = {
        {L"tag", RGBColor(255, 0, 0)},
        {L"class", RGBColor(0, 128, 0)},
        {L"id", RGBColor(0, 0, 255)},
        {L"descendant", RGBColor(1, 2, 3)},
        {L"class-over-descendant", RGBColor(0, 128, 0)},
        {L"inline", RGBColor(4, 5, 6)},
        {L"important", RGBColor(10, 11, 12)},
        {L"sheet-over-attribute", RGBColor(7, 8, 9)},
        {L"two-classes", RGBColor(0x20, 0x20, 0x20)},
        {L"group", RGBColor(0x30, 0x30, 0x30)},
        {L"child", RGBColor(5, 5, 5)},
    };
    for (const ColorCase& c : cases) {
        const THtmlNode* node = ByTitle(page->Doc->Root, c.Title);
        ASSERT_NE(node, nullptr) << c.Title;
        EXPECT_EQ(node->Style->Color, c.Color) << c.Title;
    }
}

TEST(HtmlStyle, ReadsBoxPropertiesAndPresentationalAttributes) {
    const auto page = LayOut("<p title=p style='margin: 1px 2px 3px 4px; padding: 5px; border: 2px solid #ff0000;"
                             " width: 50%; font: bold 20px Arial'>x</p>"
                             "<td title=td bgcolor=#00ff00 align=right valign=top width=30>"
                             "<h1 title=h1>h</h1><font title=font size=+2 face='Verdana, Arial'>f</font>",
                             400);
    const THtmlStyle& p = *ByTitle(page->Doc->Root, L"p")->Style;
    EXPECT_EQ((std::vector<int>{p.Margin.Top, p.Margin.Right, p.Margin.Bottom, p.Margin.Left}), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(p.Padding.Left, 5);
    EXPECT_EQ(p.Border.Top, 2);
    EXPECT_EQ(p.BorderColor, RGBColor(255, 0, 0));
    EXPECT_EQ(p.Width.Unit, TLength::Percent);
    EXPECT_TRUE(p.Bold);
    EXPECT_EQ(p.FontSize, 20);
    EXPECT_EQ(page->Doc->Faces[p.Face], L"Arial");
    const THtmlStyle& td = *ByTitle(page->Doc->Root, L"td")->Style;
    EXPECT_EQ(td.Background, RGBColor(0, 255, 0));
    EXPECT_EQ(td.Align, TTextAlign::Right);
    EXPECT_EQ(td.VAlign, TVerticalAlign::Top);
    EXPECT_EQ(ByTitle(page->Doc->Root, L"h1")->Style->FontSize, 32);
    const THtmlStyle& font = *ByTitle(page->Doc->Root, L"font")->Style;
    EXPECT_EQ(font.FontSize, 24);
    EXPECT_EQ(page->Doc->Faces[font.Face], L"Verdana");
}

TEST(HtmlForms, SubmitsCheckedBoxesAndChosenOptions) {
    const auto page = LayOut("<form action='trimite.htm' target=main method=post>"
                             "<input name=t value='Ion'><input type=password name=p value=s>"
                             "<input type=hidden name=h value=1><input type=checkbox name=c1 checked>"
                             "<input type=checkbox name=c2 value=x><input type=radio name=r value=a checked>"
                             "<input type=radio name=r value=b><select name=s><option value=1>Unu<option selected>Doi</select>"
                             "<textarea name=ta>\nrand</textarea><input type=submit name=go value=Trimite>"
                             "<input type=submit name=other value=Alt></form>", 600);
    THtmlForms& forms = page->Forms;
    ASSERT_EQ(forms.Forms.size(), 1u);
    EXPECT_EQ(forms.Forms[0].Method, L"post");
    EXPECT_EQ(forms.Forms[0].EncType, L"application/x-www-form-urlencoded");
    const int go = 9, radioB = 6, box2 = 4;
    EXPECT_EQ(forms.Fields(0, go), (std::vector<std::wstring>{L"t=Ion", L"p=s", L"h=1", L"c1=on", L"r=a", L"s=Doi",
                                                             L"ta=rand", L"go=Trimite"}));
    forms.Click(radioB);
    forms.Click(box2);
    forms.CycleOption(7);
    EXPECT_EQ(forms.Fields(0, -1), (std::vector<std::wstring>{L"t=Ion", L"p=s", L"h=1", L"c1=on", L"c2=x", L"r=b",
                                                             L"s=1", L"ta=rand"}));
    forms.Reset(0);
    EXPECT_EQ(forms.Fields(0, -1)[4], L"r=a");
    // Every visible control is laid out; the hidden one is not.
    EXPECT_EQ(page->Layout->Count(TItemKind::Control), 10);
}

}  // namespace
