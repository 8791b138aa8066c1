#include "ui/html/html_page.h"

#include <algorithm>

#include "ui/html/html_charset.h"
#include "ui/html/html_url.h"
#include "ui/html/style_resolver.h"
#include "ui/platform/graphics/bitmap.h"
#include "ui/platform/sysutils.h"

namespace {

// Owns a file handle opened for reading.
class TReadHandle {
public:
    explicit TReadHandle(const std::wstring& path)
        : FHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~TReadHandle() {
        if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
    }
    TReadHandle(const TReadHandle&) = delete;
    TReadHandle& operator=(const TReadHandle&) = delete;
    HANDLE Get() const { return FHandle; }
    bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }

private:
    HANDLE FHandle;
};

}  // namespace

bool ReadPageFile(const std::wstring& path, std::vector<std::uint8_t>& bytes, std::uintmax_t limit) {
    bytes.clear();
    if (path.empty()) return false;
    TReadHandle file(path);
    if (!file.Valid()) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || static_cast<std::uintmax_t>(size.QuadPart) > limit) return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &read, nullptr) || read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return true;
}

THtmlPage::THtmlPage(const THtmlLayoutOptions& options) : FOptions(options), FDocument(std::make_unique<THtmlDocument>()) {
    Prepare();
}

THtmlPage::~THtmlPage() = default;

bool THtmlPage::LoadFromFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    const bool read = ReadPageFile(path, bytes, MaxPageBytes);
    LoadFromBytes(bytes, path);
    return read;
}

void THtmlPage::LoadFromBytes(std::span<const std::uint8_t> bytes, const std::wstring& path) {
    FPath = path;
    FDocument = ParseHtml(WideToUtf8(DecodePage(bytes)));
    FImages.clear();
    Selection = {};
    Prepare();
}

void THtmlPage::Prepare() {
    ResolveStyles(*FDocument);
    FForms.Collect(*FDocument);
    FLayout.reset();
    FLayoutWidth = -1;
}

std::wstring THtmlPage::BaseTarget() const {
    for (const auto& top : FDocument->Root.Children)
        if (const THtmlNode* base = top->Find(THtmlTag::Base))
            if (const std::wstring* target = base->Attribute(L"target")) return *target;
    return {};
}

const THtmlLayout& THtmlPage::Layout(THtmlCanvas& canvas, int width) {
    if (!FLayout || FLayoutWidth != width) {
        THtmlLayoutEngine engine(canvas, FOptions, this, &FForms);
        FLayout = engine.Layout(*FDocument, width);
        FLayoutWidth = width;
    }
    return *FLayout;
}

void THtmlPage::Paint(THtmlCanvas& canvas, const TRect& visible, int focusedControl) const {
    if (FLayout) PaintLayout(*FLayout, canvas, visible, Selection, &FForms, focusedControl);
}

int THtmlPage::LinkAt(TPoint p) const {
    if (!FLayout) return -1;
    for (const TLayoutItem& item : FLayout->Items)
        if (item.Link >= 0 && item.Box.Contains(p)) return item.Link;
    return -1;
}

int THtmlPage::ControlAt(TPoint p) const {
    if (!FLayout) return -1;
    for (const TLayoutItem& item : FLayout->Items)
        if (item.Kind == TItemKind::Control && item.Box.Contains(p)) return item.Index;
    return -1;
}

int THtmlPage::TextOffsetAt(THtmlCanvas& canvas, TPoint p) const {
    if (!FLayout) return 0;
    // The text item on the point's line nearest to it; before the first
    // line the start, after the last one the end.
    const TLayoutItem* best = nullptr;
    int bestDistance = 0;
    for (const TLayoutItem& item : FLayout->Items) {
        if (item.Kind != TItemKind::Text) continue;
        const int dy = p.Y < item.Box.Top ? item.Box.Top - p.Y : p.Y >= item.Box.Bottom ? p.Y - item.Box.Bottom + 1 : 0;
        const int dx = p.X < item.Box.Left ? item.Box.Left - p.X : p.X >= item.Box.Right ? p.X - item.Box.Right + 1 : 0;
        const int distance = dy * 10000 + dx;
        if (!best || distance < bestDistance) {
            best = &item;
            bestDistance = distance;
        }
    }
    if (!best) return 0;
    const std::wstring_view text = FLayout->ItemText(*best);
    if (p.X <= best->Box.Left) return best->TextStart;
    int x = best->Box.Left;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int w = canvas.TextWidth(best->Font, text.substr(i, 1));
        if (p.X < x + w / 2) return best->TextStart + static_cast<int>(i);
        x += w;
    }
    return best->TextStart + best->TextLength;
}

std::wstring THtmlPage::SelectedText() const {
    if (!FLayout || Selection.Empty()) return {};
    const auto start = static_cast<std::size_t>(std::clamp(Selection.Start, 0, static_cast<int>(FLayout->Text.size())));
    const auto end = static_cast<std::size_t>(std::clamp(Selection.End, 0, static_cast<int>(FLayout->Text.size())));
    std::wstring out;
    for (std::size_t i = start; i < end; ++i) {
        const wchar_t c = FLayout->Text[i];
        if (c == L'\n') {
            while (!out.empty() && out.back() == L' ') out.pop_back();
            out += L"\r\n";
        } else {
            out += c == 0xA0 ? L' ' : c;
        }
    }
    while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' ')) out.pop_back();
    return out;
}

const TBitmap* THtmlPage::Image(std::wstring_view src) {
    const THtmlAddress address = ResolveHref(FPath, src);
    if (address.External || address.File.empty()) return nullptr;
    auto [it, fresh] = FImages.try_emplace(address.File);
    if (fresh) {
        std::vector<std::uint8_t> bytes;
        if (ReadPageFile(address.File, bytes, MaxPictureBytes) && !bytes.empty()) {
            auto picture = std::make_unique<TBitmap>();
            try {
                picture->LoadFromStream(bytes);
                it->second = std::move(picture);
            } catch (const std::exception&) {
                // Not a picture we can read: the page shows its alternative text.
            }
        }
    }
    return it->second.get();
}
