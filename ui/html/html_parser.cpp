// Turns libxml2's HTML tree into our own document: names in lower case,
// text in UTF-16, style sheets and the title collected, scripts dropped.
#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <memory>

#include "ui/html/html_document.h"
#include "ui/platform/sysutils.h"

namespace {

struct TXmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using TXmlDocPtr = std::unique_ptr<xmlDoc, TXmlDocFree>;

std::wstring FromXml(const xmlChar* text) {
    return text ? Utf8ToWide(reinterpret_cast<const char*>(text)) : std::wstring();
}

std::wstring LowerAscii(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

// Numeric references to 128-159 mean what windows-1252 has there, as in
// every browser; the parser hands them over as C1 control characters.
void MapC1Controls(std::wstring& text) {
    static const wchar_t map[32] = {0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                                    0x0160, 0x2039, 0x0152, 0x8D, 0x017D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C,
                                    0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,
                                    0x017E, 0x0178};
    for (wchar_t& c : text)
        if (c >= 0x80 && c < 0xA0) c = map[c - 0x80];
}

class TTreeBuilder {
public:
    explicit TTreeBuilder(THtmlDocument& doc) : FDoc(doc) {}

    // Walks the libxml2 tree without recursion; `parents` holds, for each
    // level of the source tree, the node that receives its children.
    void Build(xmlNode* first) {
        std::vector<THtmlNode*> parents{&FDoc.Root};
        std::vector<int> depths{0};
        xmlNode* node = first;
        while (node) {
            THtmlNode* made = Convert(*node, *parents.back());
            if (node->children && made && !made->IsText()) {
                const int depth = depths.back() + 1;
                parents.push_back(depth < MaxNodeDepth ? made : parents.back());
                depths.push_back(std::min(depth, MaxNodeDepth));
                node = node->children;
                continue;
            }
            while (node && !node->next) {
                node = node->parent;
                if (!node || parents.size() == 1) {
                    node = nullptr;
                    break;
                }
                parents.pop_back();
                depths.pop_back();
            }
            if (node) node = node->next;
        }
    }

private:
    THtmlNode* Convert(const xmlNode& source, THtmlNode& parent) {
        if (source.type == XML_TEXT_NODE || source.type == XML_CDATA_SECTION_NODE) {
            if (parent.Tag == THtmlTag::Style) {
                FDoc.StyleSheets.push_back(FromXml(source.content));
                return nullptr;
            }
            if (parent.Tag == THtmlTag::Script || parent.Tag == THtmlTag::Head) return nullptr;
            auto text = std::make_unique<THtmlNode>();
            text->Tag = THtmlTag::Text;
            text->Text = FromXml(source.content);
            MapC1Controls(text->Text);
            if (parent.Tag == THtmlTag::Title && FDoc.Title.empty()) FDoc.Title = text->Text;
            return Adopt(parent, std::move(text));
        }
        if (source.type != XML_ELEMENT_NODE) return nullptr;
        auto element = std::make_unique<THtmlNode>();
        element->Name = LowerAscii(FromXml(source.name));
        element->Tag = TagFromName(element->Name);
        for (const xmlAttr* a = source.properties; a; a = a->next) {
            xmlChar* value = xmlNodeListGetString(source.doc, a->children, 1);
            std::wstring text = FromXml(value);
            xmlFree(value);
            MapC1Controls(text);
            element->Attributes.push_back({LowerAscii(FromXml(a->name)), std::move(text)});
        }
        return Adopt(parent, std::move(element));
    }

    THtmlNode* Adopt(THtmlNode& parent, std::unique_ptr<THtmlNode> node) {
        node->Parent = &parent;
        FDoc.CountNode();
        parent.Children.push_back(std::move(node));
        return parent.Children.back().get();
    }

    THtmlDocument& FDoc;
};

void TrimTitle(std::wstring& title) {
    std::wstring out;
    bool space = false;
    for (wchar_t c : title) {
        if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') {
            space = !out.empty();
            continue;
        }
        if (space) out += L' ';
        space = false;
        out += c;
    }
    title = out;
}

}  // namespace

std::unique_ptr<THtmlDocument> ParseHtml(std::string_view utf8) {
    auto doc = std::make_unique<THtmlDocument>();
    if (utf8.empty()) return doc;
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                        HTML_PARSE_IGNORE_ENC;
    TXmlDocPtr parsed(htmlReadMemory(utf8.data(), static_cast<int>(std::min<std::size_t>(utf8.size(), INT32_MAX)),
                                     nullptr, "UTF-8", options));
    if (!parsed) return doc;
    TTreeBuilder(*doc).Build(parsed->children);
    TrimTitle(doc->Title);
    return doc;
}
