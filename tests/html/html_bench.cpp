// html_bench: lays out and first-paints a generated page of about 1 MB
// (paragraphs, tables, lists, inline formatting) into a memory bitmap
// through the GDI canvas, several times, and prints the median as
//   bench html-1mb ours=SECONDS
// Parsing and styling count too: the time is that of showing the page.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/html/frame_paint.h"
#include "ui/platform/graphics/bitmap.h"

namespace {

std::string GeneratePage(std::size_t size) {
    std::string html = "<html><head><title>Bench</title><style>.n { color: #336699 } td { padding: 2px }</style></head><body>";
    int n = 0;
    while (html.size() < size) {
        ++n;
        html += "<h2>Capitolul " + std::to_string(n) + "</h2>\n<p>Programul <b>Zarvanto</b> tine evidenta "
                "<i>contabila</i> a firmei: facturi, chitante, <a href='#c" + std::to_string(n) +
                "'>registre</a> si <span class=n>rapoarte</span> lunare. Datele se pastreaza in tabele, iar "
                "copiile de siguranta se fac zilnic, inainte de inchiderea lunii.</p>\n<ul><li>Intrari in stoc"
                "<li>Iesiri din stoc <font color=red>urgente</font><li>Inventar anual</ul>\n"
                "<table border=1 cellspacing=0 width=90%><tr><th>Cont<th>Denumire<th>Sold</tr>";
        for (int r = 0; r < 6; ++r)
            html += "<tr><td>" + std::to_string(4000 + r) + "<td>Furnizori interni si externi<td align=right>" +
                    std::to_string(1234 * r + n) + ",00</tr>";
        html += "</table>\n<p><a name='c" + std::to_string(n) + "'>Nota:</a> verificati balanta inainte de "
                "raportare.</p>\n";
    }
    return html + "</body></html>";
}

}  // namespace

int main() {
    const std::string html = GeneratePage(1 << 20);
    const std::wstring path = L"bench.htm";
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        const auto start = std::chrono::steady_clock::now();
        THtmlLayoutOptions options;
        THtmlFrameTree tree(options);
        THtmlPage& page = *tree.Root().Page;
        page.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(html.data()), html.size()}, path);
        TGdiHtmlCanvas canvas;
        tree.Arrange({0, 0, 1024, 768});
        TBitmap picture(1024, 768);
        PaintFrameTree(tree, canvas, picture.Canvas().Handle());
        GdiFlush();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        times.push_back(seconds);
        std::fprintf(stderr, "run %d: %.3f s, %zu bytes, page height %d\n", run, seconds, html.size(),
                     page.CurrentLayout()->Height);
    }
    std::sort(times.begin(), times.end());
    std::printf("bench html-1mb ours=%.3f\n", times[times.size() / 2]);
    return 0;
}
