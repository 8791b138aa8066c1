// The viewer control on a shown form: loading a page and its title, a link
// that loads into a named frame, a form's submission, scrolling by keys and
// wheel, copying the selection, and a form definition that creates it.
#include <gtest/gtest.h>

#include "tests/support/gui_support.h"
#include "tests/support/temp_dir.h"
#include "ui/html/frame_viewer.h"
#include "ui/html/html_registry.h"
#include "ui/platform/application.h"
#include "ui/platform/form_definition.h"
#include "ui/platform/sysutils.h"

namespace {

struct ViewerFixture : ::testing::Test {
    TempDir dir;
    TOwnedPtr<TForm> form;
    TFrameViewer* viewer = nullptr;

    void SetUp() override {
        Application->Initialize();
        form.reset(NewForm<TForm>(nullptr));
        form->SetBounds(40, 40, 640, 480);
        viewer = new TFrameViewer(form.get());
        viewer->SetParent(form.get());
        viewer->SetAlign(alClient);
        form->Show();
        Pump(50);
    }
    void TearDown() override { form.reset(); }

    // Clicks the first item of the frame's page that links to `href`.
    void ClickLink(THtmlFrameView& view, std::wstring_view href) {
        const THtmlLayout* layout = view.Frame()->Page->CurrentLayout();
        ASSERT_NE(layout, nullptr);
        for (const TLayoutItem& item : layout->Items)
            if (item.Link >= 0 && layout->Links[static_cast<std::size_t>(item.Link)].Href == href) {
                const TPoint at{item.Box.Left + 2 - view.ScrollPos().X, item.Box.Top + 2 - view.ScrollPos().Y};
                SendMessageW(view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.X, at.Y));
                SendMessageW(view.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.X, at.Y));
                return;
            }
        FAIL() << "no link to the page";
    }

    std::string LongPage() const {
        std::string html = "<title>Lung</title>";
        for (int i = 0; i < 200; ++i) html += "<p>Randul " + std::to_string(i) + " al paginii lungi.</p>";
        return html;
    }
};

TEST_F(ViewerFixture, LoadsAPageByItsAnsiNameAndReportsTheTitle) {
    WriteText(dir / L"pagina.htm", "<meta charset=windows-1250><title>Instruc\xFEiuni</title><p>Text");
    EXPECT_TRUE(viewer->LoadFromFile(WideToAnsi(dir / L"pagina.htm")));
    EXPECT_EQ(viewer->DocumentTitle(), L"Instruc\u0163iuni");
    ASSERT_EQ(viewer->ViewCount(), 1);
    EXPECT_FALSE(viewer->LoadFromFile(dir / L"absent.htm"));
    EXPECT_EQ(viewer->DocumentTitle(), L"");
}

TEST_F(ViewerFixture, ALinkLoadsIntoTheFrameItNamesAndScrollsToTheAnchor) {
    WriteText(dir / L"index.htm", "<title>Cadre</title><frameset cols='150,*'><frame name=menu src=menu.htm>"
                                  "<frame name=main src=a.htm></frameset>");
    WriteText(dir / L"menu.htm", "<a href='b.htm#jos' target=main>B</a>");
    WriteText(dir / L"a.htm", "<p>A");
    std::string b = "<p>start";
    for (int i = 0; i < 100; ++i) b += "<p>rand";
    WriteText(dir / L"b.htm", b + "<h2><a name=jos>Jos</a></h2>" + b);
    ASSERT_TRUE(viewer->LoadFromFile(dir / L"index.htm"));
    Pump(50);
    ASSERT_EQ(viewer->ViewCount(), 2);
    EXPECT_EQ(viewer->DocumentTitle(), L"Cadre");
    THtmlFrameView* menu = viewer->View(0);
    THtmlFrameView* main = viewer->View(1);
    EXPECT_EQ(menu->Width(), 150);
    ClickLink(*menu, L"b.htm#jos");
    Pump(50);
    ASSERT_EQ(viewer->ViewCount(), 2);
    EXPECT_EQ(viewer->View(1), main);
    EXPECT_TRUE(main->Frame()->Page->Path().ends_with(L"b.htm"));
    EXPECT_GT(main->ScrollPos().Y, 1000);
    EXPECT_TRUE(menu->Frame()->Page->Path().ends_with(L"menu.htm"));
}

TEST_F(ViewerFixture, ASubmitButtonReportsTheFormAndItsFields) {
    WriteText(dir / L"form.htm", "<form action='cauta.htm' target=main method=post><input name=cine value=Ion>"
                                 "<input type=checkbox name=ok checked><input type=submit name=go value=Trimite></form>");
    std::vector<std::wstring> got;
    viewer->OnFormSubmit = [&](const std::wstring& action, const std::wstring& target, const std::wstring& enctype,
                               const std::wstring& method, const std::vector<std::wstring>& fields) {
        got = {action, target, enctype, method};
        got.insert(got.end(), fields.begin(), fields.end());
    };
    ASSERT_TRUE(viewer->LoadFromFile(dir / L"form.htm"));
    Pump(50);
    THtmlFrameView& view = *viewer->View(0);
    const THtmlLayout* layout = view.Frame()->Page->CurrentLayout();
    ASSERT_NE(layout, nullptr);
    const TLayoutItem* button = nullptr;
    for (const TLayoutItem& item : layout->Items)
        if (item.Kind == TItemKind::Control && item.Index == 2) button = &item;
    ASSERT_NE(button, nullptr);
    const LPARAM at = MAKELPARAM(button->Box.Left + 3, button->Box.Top + 3);
    SendMessageW(view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(view.Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(got, (std::vector<std::wstring>{L"cauta.htm", L"main", L"application/x-www-form-urlencoded", L"post",
                                              L"cine=Ion", L"ok=on", L"go=Trimite"}));
}

TEST_F(ViewerFixture, KeysAndTheWheelScrollAndTheSelectionCopies) {
    WriteText(dir / L"lung.htm", LongPage());
    ASSERT_TRUE(viewer->LoadFromFile(dir / L"lung.htm"));
    Pump(50);
    THtmlFrameView& view = *viewer->View(0);
    view.SetFocus();
    Pump(20);
    EXPECT_EQ(view.ScrollPos().Y, 0);
    PostMessageW(view.Handle(), WM_KEYDOWN, VK_NEXT, 0);
    Pump(50);
    const int afterPage = view.ScrollPos().Y;
    EXPECT_GT(afterPage, 300);
    SendMessageW(view.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_GT(view.ScrollPos().Y, afterPage);
    PostMessageW(view.Handle(), WM_KEYDOWN, VK_END, 0);
    Pump(50);
    const int bottom = view.ScrollPos().Y;
    EXPECT_EQ(bottom, view.Frame()->Page->CurrentLayout()->Height - view.ClientHeight());
    PostMessageW(view.Handle(), WM_KEYDOWN, VK_HOME, 0);
    Pump(50);
    EXPECT_EQ(view.ScrollPos().Y, 0);

    view.SelectAll();
    view.CopyToClipboard();
    ASSERT_TRUE(OpenClipboard(view.Handle()));
    std::wstring copied;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        copied = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    EXPECT_TRUE(copied.starts_with(L"Randul 0 al paginii lungi.\r\nRandul 1 al")) << WideToUtf8(copied.substr(0, 80));
    EXPECT_TRUE(copied.ends_with(L"Randul 199 al paginii lungi."));
}

TEST(HtmlRegistry, FormDefinitionsCreateTheViewerAndSetItsOptions) {
    Application->Initialize();
    RegisterPlatformClasses(TClassRegistry::Instance());
    RegisterHtmlClasses(TClassRegistry::Instance());
    TOwnedPtr<TForm> form(NewForm<TForm>(nullptr));
    bool submitted = false;
    form->RegisterHandler(L"FrameViewerFormSubmit", THtmlSubmitEvent([&](auto&&...) { submitted = true; }));
    LoadFormDefinitionText(*form,
                           L"TForm Info {\n TFrameViewer FrameViewer {\n  Align = alClient\n  BorderStyle = bsNone\n"
                           L"  NoFocusRect = True\n  DefaultFontName = \"Times New Roman\"\n  PreFontName = \"Courier New\"\n"
                           L"  HistoryMaxCount = 0\n  NoSelect = False\n  OnFormSubmit = FrameViewerFormSubmit\n }\n}\n",
                           L"test");
    auto* viewer = dynamic_cast<TFrameViewer*>(form->FindComponent(L"FrameViewer"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->DefaultFontName(), L"Times New Roman");
    EXPECT_EQ(viewer->PreFontName(), L"Courier New");
    EXPECT_EQ(viewer->BorderStyle(), hbsNone);
    ASSERT_TRUE(viewer->OnFormSubmit);
    viewer->OnFormSubmit(L"", L"", L"", L"", {});
    EXPECT_TRUE(submitted);
}

}  // namespace
