// The laid-out page: what to draw where, in page coordinates (0, 0 is the
// top-left corner of the page), with the page's text for selection and
// copying, its links and its anchors. THtmlLayoutEngine makes it from a
// styled document through a canvas; nothing here needs a window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/html/html_canvas.h"
#include "ui/html/html_style.h"

class TBitmap;
class THtmlDocument;
class THtmlNode;
class THtmlForms;

enum class TItemKind : std::uint8_t { Fill, Border, Text, Image, AltBox, Control, Bullet, Marker, Rule, Anchor };

struct TLayoutItem {
    TItemKind Kind = TItemKind::Fill;
    TRect Box;
    TColor Color = clNone;     // text, fill, border or bullet colour
    TColor Back = clNone;      // behind text
    int Font = -1;
    int Frame = 0;             // Image, AltBox: width of the frame around it
    int Baseline = 0;
    int Link = -1;             // index into Links
    int TextStart = 0;         // Text: the characters in THtmlLayout::Text
    int TextLength = 0;
    int Index = -1;            // Image: Images; AltBox, Marker: Strings; Control: the form control;
                               // Border: Borders; Bullet: TListStyle; Anchor: AnchorNames
};

struct TLayoutLink {
    std::wstring Href;
    std::wstring Target;
};

class THtmlLayout {
public:
    std::vector<TLayoutItem> Items;
    std::wstring Text;                      // text items' characters; lines end with '\n'
    std::vector<TLayoutLink> Links;
    std::vector<std::wstring> AnchorNames;
    std::vector<std::wstring> Strings;      // alternative texts and list markers
    std::vector<const TBitmap*> Images;
    std::vector<TSides> Borders;
    std::vector<std::uint8_t> BorderLook;   // per Borders entry: 0 flat, 1 sunken, 2 raised
    int Width = 0;                          // the widest thing laid out
    int Height = 0;
    TColor Background = clNone;             // the page's (body's) colour

    // The top of the named anchor, or -1.
    int AnchorTop(std::wstring_view name) const;
    // Number of items of a kind (tests and checks).
    int Count(TItemKind kind) const;
    std::wstring_view ItemText(const TLayoutItem& item) const {
        return std::wstring_view(Text).substr(static_cast<std::size_t>(item.TextStart), static_cast<std::size_t>(item.TextLength));
    }
};

// Pictures of the page by their src, as given; nullptr when none can be read.
class THtmlImageSource {
public:
    virtual ~THtmlImageSource() = default;
    virtual const TBitmap* Image(std::wstring_view src) = 0;
};

struct THtmlLayoutOptions {
    std::wstring DefaultFace = L"Times New Roman";
    std::wstring MonospaceFace = L"Courier New";
    std::wstring ControlFace = L"Arial";
};

// Columns a table can have and rows one cell can span; larger spans are cut.
inline constexpr int MaxTableColumns = 1000;
inline constexpr int MaxRowSpan = 65534;

class THtmlLayoutEngine {
public:
    THtmlLayoutEngine(THtmlCanvas& canvas, const THtmlLayoutOptions& options, THtmlImageSource* images = nullptr,
                      const THtmlForms* forms = nullptr);
    ~THtmlLayoutEngine();
    THtmlLayoutEngine(const THtmlLayoutEngine&) = delete;
    THtmlLayoutEngine& operator=(const THtmlLayoutEngine&) = delete;

    // Lays out a styled document (ResolveStyles) for a viewport `width` pixels wide.
    std::unique_ptr<THtmlLayout> Layout(const THtmlDocument& doc, int width);

    class TImpl;

private:
    std::unique_ptr<TImpl> FImpl;
};
