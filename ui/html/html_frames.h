// Frames: a page that is a <frameset> divides its area into rows and
// columns (pixels, per cents and shares of the rest, "*"), each a frame
// with a page of its own or a nested frameset. A frameset that names
// missing files shows empty frames; one that names itself, directly or
// not, stops at MaxFrameDepth documents deep and MaxFramePages pages in all.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/html/html_page.h"

inline constexpr int MaxFrameDepth = 8;
inline constexpr int MaxFramePages = 64;

struct TFrameLength {
    enum TUnit { Pixels, Percent, Share };
    TUnit Unit = Share;
    double Value = 1;
};

// "100,*,20%,2*" into lengths; an empty list is one share.
std::vector<TFrameLength> ParseFrameLengths(std::wstring_view text);
// Sizes in pixels that add up to `total`: pixels first, then per cents of
// the total, then the shares split what is left; all scaled when they ask
// for more or less than there is.
std::vector<int> DistributeFrameLengths(const std::vector<TFrameLength>& lengths, int total);

enum class TScrolling { Auto, Yes, No };

class THtmlFrame {
public:
    std::wstring Name;
    THtmlFrame* Parent = nullptr;
    int Depth = 0;                     // documents above this one
    TRect Bounds;                      // in the viewer's coordinates
    TScrolling Scrolling = TScrolling::Auto;
    bool NoResize = false;
    bool Limited = false;              // a frame not loaded because a limit was reached
    // The document loaded here (none for a frameset nested in its parent's
    // document); when it is a frameset, its children show instead.
    std::unique_ptr<THtmlPage> Page;
    bool Set = false;
    std::vector<std::unique_ptr<THtmlFrame>> Children;
    std::vector<TFrameLength> Rows, Cols;
    int Border = 0;                    // between the children
    std::vector<TRect> Gaps;           // the borders' rectangles, set by Arrange
    TPoint Scroll;                     // the page's scroll position
    std::wstring PendingFragment;      // scrolled to once laid out

    bool IsFrameSet() const { return Set; }
};

class THtmlFrameTree {
public:
    explicit THtmlFrameTree(const THtmlLayoutOptions& options);

    // Loads a page into the whole tree; false when the file cannot be read.
    bool LoadFromFile(const std::wstring& path);
    THtmlFrame& Root() { return *FRoot; }
    const THtmlFrame& Root() const { return *FRoot; }
    // The title of the top document.
    std::wstring DocumentTitle() const;
    // Places every frame in `area`.
    void Arrange(const TRect& area);
    // Frames that show pages, in order.
    std::vector<THtmlFrame*> Pages();
    THtmlFrame* FindFrame(std::wstring_view name);
    int PageCount();

    // Follows a link clicked in `from`: the frame named by the target (or
    // the page's base target) loads the file and scrolls to the fragment.
    // Returns the frame that changed, or nullptr (external links, nothing to load).
    THtmlFrame* Navigate(THtmlFrame& from, std::wstring_view href, std::wstring_view target);
    // Lays out the pages for their frames' widths and scrolls to pending fragments.
    void LayoutPages(THtmlCanvas& canvas);

private:
    void Load(THtmlFrame& frame, const std::wstring& path, const std::wstring& fragment);
    void BuildFrameSet(THtmlFrame& frame, const THtmlNode& set, const std::wstring& base);
    void ArrangeFrame(THtmlFrame& frame, const TRect& area);
    void CollectPages(THtmlFrame& frame, std::vector<THtmlFrame*>& out);
    THtmlFrame* Find(THtmlFrame& frame, std::wstring_view name);

    const THtmlLayoutOptions& FOptions;
    std::unique_ptr<THtmlFrame> FRoot;
    int FBudget = MaxFramePages;
};
