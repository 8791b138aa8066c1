#include "tests/html/html_test_support.h"

#include <map>

#include "ui/html/style_resolver.h"

std::unique_ptr<TLaidOut> LayOut(const std::string& utf8, int width, THtmlImageSource* images) {
    auto out = std::make_unique<TLaidOut>();
    out->Doc = ParseHtml(utf8);
    ResolveStyles(*out->Doc);
    out->Forms.Collect(*out->Doc);
    const THtmlLayoutOptions options;
    THtmlLayoutEngine engine(out->Canvas, options, images, &out->Forms);
    out->Layout = engine.Layout(*out->Doc, width);
    return out;
}

std::vector<const TLayoutItem*> TLaidOut::Texts() const {
    std::vector<const TLayoutItem*> out;
    for (const TLayoutItem& item : Layout->Items)
        if (item.Kind == TItemKind::Text) out.push_back(&item);
    return out;
}

std::vector<std::wstring> TLaidOut::Lines() const {
    std::map<int, std::vector<const TLayoutItem*>> byLine;
    for (const TLayoutItem* item : Texts()) byLine[item->Baseline].push_back(item);
    std::vector<std::wstring> lines;
    for (auto& [baseline, items] : byLine) {
        std::sort(items.begin(), items.end(), [](auto* a, auto* b) { return a->Box.Left < b->Box.Left; });
        std::wstring line;
        for (const TLayoutItem* item : items) line += Layout->ItemText(*item);
        lines.push_back(line);
    }
    return lines;
}

const TLayoutItem* TLaidOut::TextItem(std::wstring_view text) const {
    for (const TLayoutItem* item : Texts())
        if (Layout->ItemText(*item).find(text) != std::wstring_view::npos) return item;
    return nullptr;
}

const THtmlNode* ByTitle(const THtmlNode& root, std::wstring_view title) {
    if (const std::wstring* t = root.Attribute(L"title"); t && *t == title) return &root;
    for (const auto& child : root.Children)
        if (const THtmlNode* found = ByTitle(*child, title)) return found;
    return nullptr;
}
