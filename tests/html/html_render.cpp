// html_render PAGE OUTPUT.png WIDTH HEIGHT: paints a page, frames included,
// into a PNG picture and prints the page's title. A HEIGHT of 0 makes the
// picture as tall as a page without frames is.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "ui/html/frame_paint.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/sysutils.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: html_render PAGE OUTPUT.png WIDTH HEIGHT\n");
        return 2;
    }
    const int width = std::wcstol(argv[3], nullptr, 10), height = std::wcstol(argv[4], nullptr, 10);
    if (width <= 0 || width > 8000 || height < 0 || height > 30000) {
        std::fprintf(stderr, "html_render: WIDTH must be 1..8000 and HEIGHT 0..30000\n");
        return 2;
    }
    try {
        THtmlLayoutOptions options;
        THtmlFrameTree tree(options);
        if (!tree.LoadFromFile(argv[1])) std::fprintf(stderr, "html_render: cannot read the page\n");
        TGdiHtmlCanvas canvas;
        int h = height;
        if (h == 0) {
            tree.Arrange({0, 0, width, 1});
            tree.LayoutPages(canvas);
            const THtmlLayout* layout = tree.Root().Page ? tree.Root().Page->CurrentLayout() : nullptr;
            h = tree.Root().IsFrameSet() || !layout ? 600 : std::clamp(layout->Height, 1, 30000);
        }
        tree.Arrange({0, 0, width, h});
        TBitmap picture(width, h);
        PaintFrameTree(tree, canvas, picture.Canvas().Handle());
        picture.SaveToPngFile(argv[2]);
        std::printf("%s\n", WideToUtf8(tree.DocumentTitle()).c_str());
        return 0;
    } catch (const Exception& e) {
        std::fprintf(stderr, "html_render: %s\n", WideToUtf8(e.Message()).c_str());
        return 1;
    }
}
