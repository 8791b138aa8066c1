// Layout rules through the canvas with fixed metrics: line breaking, runs of
// inline formatting, table columns, anchors and frameset sizes.
#include <gtest/gtest.h>

#include "tests/html/html_test_support.h"
#include "ui/html/html_frames.h"

namespace {

struct LineCase {
    const char* Html;
    int Width;
    std::vector<std::wstring> Lines;
};

TEST(HtmlLayout, BreaksLinesWhereTheNextWordWouldNotFit) {
    // The body's margin is 8 on each side; a character is 8 pixels.
    const LineCase cases[] = {
        {"<p>aaa bbb ccc</p>", 16 + 56, {L"aaa bbb", L"ccc"}},
        {"<p>aaa bbb ccc</p>", 16 + 55, {L"aaa", L"bbb", L"ccc"}},
        {"<p>  a \n\t b  </p>", 200, {L"a b"}},
        {"<p>a<br>b</p>", 200, {L"a", L"b"}},
        {"<pre>\nx  y\n z</pre>", 40, {L"x  y", L" z"}},
        {"<pre>a\tb</pre>", 200, {L"a       b"}},
        {"<p>aaaaaaaaaaaa bb</p>", 40, {L"aaaaaaaaaaaa", L"bb"}},
        {"<nobr>aa bb cc</nobr>", 40, {L"aa bb cc"}},
        {"<div>one</div>two<div>three</div>", 200, {L"one", L"two", L"three"}},
        {"<ul><li>x<li>y</ul>", 200, {L"x", L"y"}},
    };
    for (const LineCase& c : cases) {
        const auto page = LayOut(c.Html, c.Width);
        EXPECT_EQ(page->Lines(), c.Lines) << c.Html << " at " << c.Width;
    }
}

struct RunCase {
    const char* Html;
    std::vector<std::wstring> Texts;
    std::vector<bool> Bold;
    std::vector<int> Links;
};

TEST(HtmlLayout, SplitsInlineFormattingIntoRuns) {
    const RunCase cases[] = {
        {"<p>a b <b>c d</b> e</p>", {L"a b ", L"c d", L" e"}, {false, true, false}, {-1, -1, -1}},
        {"<p>x <a href='#q'>y z</a> w</p>", {L"x ", L"y z", L" w"}, {false, false, false}, {-1, 0, -1}},
        {"<p>one<i>two</i>three</p>", {L"one", L"two", L"three"}, {false, false, false}, {-1, -1, -1}},
    };
    for (const RunCase& c : cases) {
        const auto page = LayOut(c.Html, 400);
        const auto texts = page->Texts();
        ASSERT_EQ(texts.size(), c.Texts.size()) << c.Html;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(page->Layout->ItemText(*texts[i]), c.Texts[i]) << c.Html;
            EXPECT_EQ(page->Canvas.Font(texts[i]->Font).Bold, c.Bold[i]) << c.Html;
            EXPECT_EQ(texts[i]->Link, c.Links[i]) << c.Html;
        }
        // Runs follow each other without gaps or overlaps.
        for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_EQ(texts[i]->Box.Left, texts[i - 1]->Box.Right) << c.Html;
    }
}

TEST(HtmlLayout, AlignsLinesAndCentresBlocks) {
    const auto page = LayOut("<p align=center>ab</p><p align=right>ab</p><center>ab</center>", 216);
    const auto texts = page->Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0]->Box.Left, 8 + (200 - 16) / 2);
    EXPECT_EQ(texts[1]->Box.Left, 8 + 200 - 16);
    EXPECT_EQ(texts[2]->Box.Left, 8 + (200 - 16) / 2);
}

struct ColumnCase {
    const char* Html;
    int Width;
    const wchar_t* Text;
    int Left;
};

TEST(HtmlLayout, SharesTableWidthAmongColumns) {
    const char* flat = "<table cellspacing=0 cellpadding=0";
    const ColumnCase cases[] = {
        // Automatic columns are as wide as their content.
        {"><tr><td>aa<td>bbbb</table>", 416, L"bbbb", 8 + 16},
        // A per cent of the table's width.
        {" width=100%><tr><td width=25%>a<td>b</table>", 216, L"b", 8 + 50},
        // Pixels.
        {"><tr><td width=100>a<td>b</table>", 416, L"b", 8 + 100},
        // A cell spanning two columns widens both evenly.
        {"><tr><td colspan=2>aaaaaaaaaa<tr><td>a<td>b</table>", 416, L"b", 8 + 40},
        // A cell spanning two rows keeps the next row's cell out of its column.
        {"><tr><td rowspan=2>xxxx<td>a<tr><td>b</table>", 416, L"b", 8 + 32},
        // Spacing and padding.
        {"<table cellspacing=3 cellpadding=2><tr><td>aa<td>b</table>", 416, L"b", 8 + 3 + 2 + 16 + 2 + 3 + 2},
        // A table too narrow for its content keeps the content's width.
        {" width=10><tr><td>aaaa<td>b</table>", 416, L"b", 8 + 32},
    };
    for (const ColumnCase& c : cases) {
        const std::string html = c.Html[0] == '<' ? std::string(c.Html) : std::string(flat) + c.Html;
        const auto page = LayOut(html, c.Width);
        const TLayoutItem* item = page->TextItem(c.Text);
        ASSERT_NE(item, nullptr) << html;
        EXPECT_EQ(item->Box.Left, c.Left) << html;
    }
}

TEST(HtmlLayout, RowsAreAsHighAsTheirTallestCellAndCellsAlignInThem) {
    const auto page = LayOut("<table cellspacing=0 cellpadding=0><tr><td>a<br>b<br>c<td valign=top>t<td>m"
                             "<td valign=bottom>z</table>", 400);
    const int top = page->TextItem(L"a")->Box.Top;
    EXPECT_EQ(page->TextItem(L"t")->Box.Top, top);
    EXPECT_EQ(page->TextItem(L"m")->Box.Top, top + 16);
    EXPECT_EQ(page->TextItem(L"z")->Box.Top, top + 32);
}

TEST(HtmlLayout, PlacesAnchorsWhereTheirContentStarts) {
    const auto page = LayOut("<p>top</p><p style='margin-top:100px'><a name=here>x</a></p>"
                             "<table cellspacing=0 cellpadding=0><tr><td><a name=cell>y</a></table>"
                             "<h2 id=h>z</h2>", 400);
    // body 8; first p at 8 + 16, ends at 40; its 16 collapses into the next 100.
    EXPECT_EQ(page->Layout->AnchorTop(L"here"), 140);
    EXPECT_EQ(page->Layout->AnchorTop(L"cell"), page->TextItem(L"y")->Box.Top);
    EXPECT_EQ(page->Layout->AnchorTop(L"h"), page->TextItem(L"z")->Box.Top);
    EXPECT_EQ(page->Layout->AnchorTop(L"missing"), -1);
}

TEST(HtmlLayout, NumbersOrderedListsAndMarksBullets) {
    const auto page = LayOut("<ol start=3><li>a<li>b<li value=10>c</ol><ol type=i><li>x<li>y</ol><ul><li>u</ul>", 400);
    std::vector<std::wstring> markers;
    for (const TLayoutItem& item : page->Layout->Items)
        if (item.Kind == TItemKind::Marker) markers.push_back(page->Layout->Strings[static_cast<std::size_t>(item.Index)]);
    EXPECT_EQ(markers, (std::vector<std::wstring>{L"3.", L"4.", L"10.", L"i.", L"ii."}));
    EXPECT_EQ(page->Layout->Count(TItemKind::Bullet), 1);
}

struct FrameCase {
    const wchar_t* Lengths;
    int Total;
    std::vector<int> Sizes;
};

TEST(HtmlFrames, DistributesRowsAndColumns) {
    const FrameCase cases[] = {
        {L"100,*", 500, {100, 400}},
        {L"25%,75%", 400, {100, 300}},
        {L"*,2*", 300, {100, 200}},
        {L"100, 20%, *", 600, {100, 120, 380}},
        {L"100,100", 400, {200, 200}},
        {L"50%,50%,100", 400, {160, 160, 80}},
        {L"", 300, {300}},
        {L"500,*", 300, {300, 0}},
    };
    for (const FrameCase& c : cases)
        EXPECT_EQ(DistributeFrameLengths(ParseFrameLengths(c.Lengths), c.Total), c.Sizes) << c.Lengths;
}

}  // namespace
