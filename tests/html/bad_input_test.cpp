// Pages that are broken, hostile or huge: each loads and lays out, shows
// what it can, and stops where a limit says.
#include <gtest/gtest.h>

#include "tests/html/html_test_support.h"
#include "tests/support/temp_dir.h"
#include "ui/html/html_frames.h"
#include "ui/html/html_page.h"
#include "ui/html/memory_canvas.h"

namespace {

// Every item's text lies inside the layout's text.
void ExpectConsistent(const THtmlLayout& layout) {
    for (const TLayoutItem& item : layout.Items)
        if (item.Kind == TItemKind::Text) {
            ASSERT_GE(item.TextStart, 0);
            ASSERT_LE(static_cast<std::size_t>(item.TextStart + item.TextLength), layout.Text.size());
        }
}

TEST(HtmlBadInput, MisnestedAndUnclosedTagsKeepTheirText) {
    const auto page = LayOut("<p><b>bold <i>both</b> italic</i><table><tr><td>cell<td>other<p>unclosed <ul><li>item", 400);
    for (const wchar_t* text : {L"bold", L"both", L"italic", L"cell", L"other", L"unclosed", L"item"})
        EXPECT_NE(page->TextItem(text), nullptr) << text;
    ExpectConsistent(*page->Layout);
}

TEST(HtmlBadInput, HugeSpansAreCut) {
    const auto page = LayOut("<table><tr><td colspan=100000>a<td colspan=5000>b<td rowspan=99999999>c"
                             "<tr><td>d</table>", 400);
    EXPECT_NE(page->TextItem(L"a"), nullptr);
    EXPECT_NE(page->TextItem(L"d"), nullptr);
    EXPECT_LE(page->Layout->Width, 400 + 8 + MaxTableColumns * 3);
}

TEST(HtmlBadInput, ATableOfTenThousandCells) {
    std::string html = "<table border=1>";
    for (int r = 0; r < 100; ++r) {
        html += "<tr>";
        for (int c = 0; c < 100; ++c) html += "<td>" + std::to_string(r * 100 + c);
    }
    const auto page = LayOut(html, 1000);
    EXPECT_EQ(page->Texts().size(), 10000u);
    EXPECT_NE(page->TextItem(L"9999"), nullptr);
}

TEST(HtmlBadInput, AFiveMegabytePage) {
    std::string html = "<html><body>";
    const std::string paragraph = "<p>Lorem ipsum <b>dolor</b> sit amet, <a href='#x'>consectetur</a> adipiscing elit.</p>\n";
    while (html.size() < 5u << 20) html += paragraph;
    const auto page = LayOut(html, 800);
    EXPECT_GT(page->Layout->Height, 100000);
    EXPECT_GT(page->Layout->Links.size(), 50000u);
    ExpectConsistent(*page->Layout);
}

TEST(HtmlBadInput, BinaryGarbageNamedAsAPage) {
    std::string bytes(65536, '\0');
    std::uint32_t seed = 12345;
    for (char& c : bytes) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    bytes.replace(1000, 13, "<p>visible</p");
    const TempDir dir;
    WriteText(dir / L"garbage.htm", bytes);
    THtmlLayoutOptions options;
    THtmlPage page(options);
    EXPECT_TRUE(page.LoadFromFile(dir / L"garbage.htm"));
    TMemoryHtmlCanvas canvas;
    const THtmlLayout& layout = page.Layout(canvas, 600);
    ExpectConsistent(layout);
    EXPECT_NE(layout.Text.find(L"visible"), std::wstring::npos);
}

TEST(HtmlBadInput, APictureThatIsNotOneShowsItsAlternativeText) {
    const TempDir dir;
    WriteText(dir / L"fake.png", "this is not a picture");
    WriteText(dir / L"page.htm", "<p><img src='fake.png' alt='Sigla' width=80 height=30><img src='none.bmp' alt='Lipsa'>");
    THtmlLayoutOptions options;
    THtmlPage page(options);
    ASSERT_TRUE(page.LoadFromFile(dir / L"page.htm"));
    TMemoryHtmlCanvas canvas;
    const THtmlLayout& layout = page.Layout(canvas, 600);
    EXPECT_EQ(layout.Count(TItemKind::Image), 0);
    ASSERT_EQ(layout.Count(TItemKind::AltBox), 2);
    const auto box = std::find_if(layout.Items.begin(), layout.Items.end(), [](const TLayoutItem& i) { return i.Kind == TItemKind::AltBox; });
    EXPECT_EQ(box->Box.Width(), 80);
    EXPECT_EQ(box->Box.Height(), 30);
}

TEST(HtmlBadInput, FramesetsNamingMissingFilesOrThemselvesStop) {
    const TempDir dir;
    WriteText(dir / L"missing.htm", "<frameset cols='50%,*'><frame src='nothere.htm'><frame src='gone/x.htm'></frameset>");
    WriteText(dir / L"self.htm", "<title>Eu</title><frameset rows='*,*'><frame src='self.htm'><frame src='self.htm'></frameset>");
    THtmlLayoutOptions options;
    {
        THtmlFrameTree tree(options);
        EXPECT_TRUE(tree.LoadFromFile(dir / L"missing.htm"));
        EXPECT_EQ(tree.PageCount(), 2);
        for (THtmlFrame* frame : tree.Pages()) EXPECT_EQ(frame->Page->Document().Body(), nullptr);
    }
    THtmlFrameTree tree(options);
    EXPECT_TRUE(tree.LoadFromFile(dir / L"self.htm"));
    EXPECT_EQ(tree.DocumentTitle(), L"Eu");
    int limited = 0, loaded = 0;
    for (THtmlFrame* frame : tree.Pages()) (frame->Limited ? limited : loaded) += 1;
    EXPECT_GT(limited, 0);
    EXPECT_LE(loaded, MaxFramePages);
    tree.Arrange({0, 0, 800, 600});
    TMemoryHtmlCanvas canvas;
    tree.LayoutPages(canvas);
}

}  // namespace
