#include "ui/html/html_frames.h"

#include <algorithm>
#include <cwchar>
#include <numeric>

#include "ui/html/html_url.h"
#include "ui/platform/sysutils.h"

std::vector<TFrameLength> ParseFrameLengths(std::wstring_view text) {
    std::vector<TFrameLength> out;
    std::size_t i = 0;
    while (i <= text.size()) {
        std::size_t end = text.find(L',', i);
        if (end == std::wstring_view::npos) end = text.size();
        std::wstring part(text.substr(i, end - i));
        std::erase_if(part, [](wchar_t c) { return c == L' ' || c == L'\t'; });
        if (!part.empty()) {
            TFrameLength l;
            wchar_t* stop = nullptr;
            const double v = std::wcstod(part.c_str(), &stop);
            const bool number = stop != part.c_str();
            if (part.back() == L'*') {
                l.Unit = TFrameLength::Share;
                l.Value = number && v > 0 ? v : 1;
            } else if (part.back() == L'%') {
                l.Unit = TFrameLength::Percent;
                l.Value = number ? std::clamp(v, 0.0, 100.0) : 0;
            } else {
                l.Unit = TFrameLength::Pixels;
                l.Value = number ? std::clamp(v, 0.0, 100000.0) : 0;
            }
            out.push_back(l);
        }
        if (out.size() >= 100) break;
        i = end + 1;
    }
    if (out.empty()) out.push_back({});
    return out;
}

std::vector<int> DistributeFrameLengths(const std::vector<TFrameLength>& lengths, int total) {
    total = std::max(total, 0);
    const std::size_t n = lengths.size();
    std::vector<double> size(n, 0.0);
    double fixed = 0, shares = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const TFrameLength& l = lengths[i];
        if (l.Unit == TFrameLength::Pixels) size[i] = l.Value;
        else if (l.Unit == TFrameLength::Percent) size[i] = l.Value * total / 100.0;
        else shares += l.Value;
        if (l.Unit != TFrameLength::Share) fixed += size[i];
    }
    if (shares > 0 && fixed < total) {
        const double rest = total - fixed;
        for (std::size_t i = 0; i < n; ++i)
            if (lengths[i].Unit == TFrameLength::Share) size[i] = rest * lengths[i].Value / shares;
    } else if (fixed > 0) {
        // No share takes up the difference: everything is scaled to fit.
        for (double& s : size) s = s * total / fixed;
    } else if (n > 0) {
        for (double& s : size) s = static_cast<double>(total) / static_cast<double>(n);
    }
    std::vector<int> out(n);
    double edge = 0;
    int placed = 0;
    for (std::size_t i = 0; i < n; ++i) {
        edge += size[i];
        const int next = i + 1 == n ? total : static_cast<int>(edge + 0.5);
        out[i] = std::max(next - placed, 0);
        placed += out[i];
    }
    return out;
}

THtmlFrameTree::THtmlFrameTree(const THtmlLayoutOptions& options) : FOptions(options), FRoot(std::make_unique<THtmlFrame>()) {
    FRoot->Page = std::make_unique<THtmlPage>(options);
}

bool THtmlFrameTree::LoadFromFile(const std::wstring& path) {
    FRoot = std::make_unique<THtmlFrame>();
    FBudget = MaxFramePages;
    Load(*FRoot, NormalisePath(path), {});
    return FileExists(FRoot->Page->Path());
}

std::wstring THtmlFrameTree::DocumentTitle() const {
    return FRoot->Page ? FRoot->Page->Document().Title : std::wstring();
}

void THtmlFrameTree::Load(THtmlFrame& frame, const std::wstring& path, const std::wstring& fragment) {
    frame.Children.clear();
    frame.Gaps.clear();
    frame.Set = false;
    frame.Limited = false;
    frame.Scroll = {};
    frame.PendingFragment = fragment;
    frame.Page = std::make_unique<THtmlPage>(FOptions);
    if (FBudget <= 0 || frame.Depth > MaxFrameDepth) {
        frame.Limited = true;
        return;
    }
    --FBudget;
    frame.Page->LoadFromFile(path);
    const THtmlDocument& doc = frame.Page->Document();
    // A body inside <noframes> is for viewers without frames.
    const THtmlNode* body = doc.Body();
    bool bodyInNoFrames = false;
    for (const THtmlNode* n = body; n; n = n->Parent) bodyInNoFrames |= n->Tag == THtmlTag::Noframes;
    if (const THtmlNode* set = doc.FrameSet(); set && (!body || bodyInNoFrames)) BuildFrameSet(frame, *set, path);
}

void THtmlFrameTree::BuildFrameSet(THtmlFrame& frame, const THtmlNode& set, const std::wstring& base) {
    frame.Set = true;
    frame.Rows = ParseFrameLengths(set.AttributeOr(L"rows"));
    frame.Cols = ParseFrameLengths(set.AttributeOr(L"cols"));
    const std::wstring frameBorder = set.AttributeOr(L"frameborder", L"1");
    const bool bordered = !(frameBorder == L"0" || SameTextAscii(frameBorder, L"no"));
    std::wstring width = set.AttributeOr(L"border", set.AttributeOr(L"framespacing"));
    frame.Border = !width.empty() ? std::clamp(static_cast<int>(std::wcstol(width.c_str(), nullptr, 10)), 0, 50)
                   : bordered     ? 4
                                  : 0;
    if (!bordered && set.AttributeOr(L"border").empty()) frame.Border = 0;
    const std::size_t slots = frame.Rows.size() * frame.Cols.size();
    for (const auto& child : set.Children) {
        if (frame.Children.size() >= slots) break;
        if (child->Tag != THtmlTag::Frame && child->Tag != THtmlTag::Frameset) continue;
        auto sub = std::make_unique<THtmlFrame>();
        sub->Parent = &frame;
        sub->Name = child->AttributeOr(L"name");
        sub->NoResize = child->HasAttribute(L"noresize");
        const std::wstring scrolling = child->AttributeOr(L"scrolling");
        sub->Scrolling = SameTextAscii(scrolling, L"yes") ? TScrolling::Yes
                         : SameTextAscii(scrolling, L"no") ? TScrolling::No
                                                           : TScrolling::Auto;
        if (child->Tag == THtmlTag::Frameset) {
            sub->Depth = frame.Depth + 1;
            if (sub->Depth <= MaxFrameDepth) BuildFrameSet(*sub, *child, base);
            else sub->Limited = true;
            if (!sub->Set) sub->Page = std::make_unique<THtmlPage>(FOptions);
        } else {
            sub->Depth = frame.Depth + 1;
            const std::wstring src = child->AttributeOr(L"src");
            const THtmlAddress address = ResolveHref(base, src);
            if (src.empty() || address.External) sub->Page = std::make_unique<THtmlPage>(FOptions);
            else Load(*sub, address.File, address.Fragment);
        }
        frame.Children.push_back(std::move(sub));
    }
}

void THtmlFrameTree::Arrange(const TRect& area) { ArrangeFrame(*FRoot, area); }

void THtmlFrameTree::ArrangeFrame(THtmlFrame& frame, const TRect& area) {
    frame.Bounds = area;
    frame.Gaps.clear();
    if (!frame.Set) return;
    const int rows = static_cast<int>(frame.Rows.size()), cols = static_cast<int>(frame.Cols.size());
    const std::vector<int> heights = DistributeFrameLengths(frame.Rows, area.Height() - frame.Border * (rows - 1));
    const std::vector<int> widths = DistributeFrameLengths(frame.Cols, area.Width() - frame.Border * (cols - 1));
    int y = area.Top;
    std::size_t index = 0;
    for (int r = 0; r < rows; ++r) {
        int x = area.Left;
        const int h = heights[static_cast<std::size_t>(r)];
        for (int c = 0; c < cols; ++c, ++index) {
            const int w = widths[static_cast<std::size_t>(c)];
            if (index < frame.Children.size()) ArrangeFrame(*frame.Children[index], Bounds(x, y, w, h));
            x += w;
            if (c + 1 < cols && frame.Border > 0) frame.Gaps.push_back(Bounds(x, y, frame.Border, h));
            x += frame.Border;
        }
        y += h;
        if (r + 1 < rows && frame.Border > 0) frame.Gaps.push_back(Bounds(area.Left, y, area.Width(), frame.Border));
        y += frame.Border;
    }
}

void THtmlFrameTree::CollectPages(THtmlFrame& frame, std::vector<THtmlFrame*>& out) {
    if (!frame.Set) {
        out.push_back(&frame);
        return;
    }
    for (auto& child : frame.Children) CollectPages(*child, out);
}

std::vector<THtmlFrame*> THtmlFrameTree::Pages() {
    std::vector<THtmlFrame*> out;
    CollectPages(*FRoot, out);
    return out;
}

int THtmlFrameTree::PageCount() { return static_cast<int>(Pages().size()); }

THtmlFrame* THtmlFrameTree::Find(THtmlFrame& frame, std::wstring_view name) {
    if (!frame.Name.empty() && SameTextAscii(frame.Name, name)) return &frame;
    for (auto& child : frame.Children)
        if (THtmlFrame* found = Find(*child, name)) return found;
    return nullptr;
}

THtmlFrame* THtmlFrameTree::FindFrame(std::wstring_view name) { return Find(*FRoot, name); }

THtmlFrame* THtmlFrameTree::Navigate(THtmlFrame& from, std::wstring_view href, std::wstring_view target) {
    if (!from.Page) return nullptr;
    const THtmlAddress address = ResolveHref(from.Page->Path(), href);
    if (address.External || address.File.empty()) return nullptr;
    std::wstring name(target);
    if (name.empty()) name = from.Page->BaseTarget();
    THtmlFrame* dest = &from;
    if (SameTextAscii(name, L"_top") || SameTextAscii(name, L"_blank")) dest = FRoot.get();
    else if (SameTextAscii(name, L"_parent")) {
        // The frame holding the document that holds this one.
        dest = from.Parent ? from.Parent : FRoot.get();
        while (dest->Parent && !dest->Page) dest = dest->Parent;
    } else if (!name.empty() && !SameTextAscii(name, L"_self")) {
        THtmlFrame* named = FindFrame(name);
        dest = named ? named : FRoot.get();
    }
    if (!dest->Set && dest->Page && SameTextAscii(dest->Page->Path(), address.File) && !address.Fragment.empty()) {
        dest->PendingFragment = address.Fragment;
        return dest;
    }
    FBudget = MaxFramePages - (dest == FRoot.get() ? 0 : PageCount());
    Load(*dest, address.File, address.Fragment);
    return dest;
}

void THtmlFrameTree::LayoutPages(THtmlCanvas& canvas) {
    for (THtmlFrame* frame : Pages()) {
        const THtmlLayout& layout = frame->Page->Layout(canvas, frame->Bounds.Width());
        if (!frame->PendingFragment.empty()) {
            const int top = layout.AnchorTop(frame->PendingFragment);
            if (top >= 0) frame->Scroll.Y = top;
            frame->PendingFragment.clear();
        }
    }
}
