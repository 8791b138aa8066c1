// One document as a frame shows it: read from a file in its character set,
// parsed, styled, its forms collected and its pictures loaded, then laid
// out for a width and painted. It also answers what is under a point (a
// link, a control, a character) and keeps the text selection.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "ui/html/html_document.h"
#include "ui/html/html_forms.h"
#include "ui/html/html_layout.h"
#include "ui/html/html_painter.h"

class TBitmap;

// Largest page and picture files read; larger ones are shown empty.
inline constexpr std::uintmax_t MaxPageBytes = 64u << 20;
inline constexpr std::uintmax_t MaxPictureBytes = 32u << 20;

class THtmlPage : public THtmlImageSource {
public:
    explicit THtmlPage(const THtmlLayoutOptions& options);
    ~THtmlPage() override;
    THtmlPage(const THtmlPage&) = delete;
    THtmlPage& operator=(const THtmlPage&) = delete;

    // False when the file cannot be read; the page is then empty.
    bool LoadFromFile(const std::wstring& path);
    // The page's bytes; `path` places its links and pictures.
    void LoadFromBytes(std::span<const std::uint8_t> bytes, const std::wstring& path);

    const std::wstring& Path() const { return FPath; }
    const THtmlDocument& Document() const { return *FDocument; }
    THtmlForms& Forms() { return FForms; }
    const THtmlForms& Forms() const { return FForms; }
    // The target of links without one, from <base target>.
    std::wstring BaseTarget() const;

    // The layout for `width`, made again only when the width or the page changed.
    const THtmlLayout& Layout(THtmlCanvas& canvas, int width);
    const THtmlLayout* CurrentLayout() const { return FLayout.get(); }
    void DropLayout() { FLayout.reset(); }
    // `visible` in page coordinates.
    void Paint(THtmlCanvas& canvas, const TRect& visible, int focusedControl = -1) const;

    // What is under a point of the page, or -1.
    int LinkAt(TPoint p) const;
    int ControlAt(TPoint p) const;
    // The text offset nearest to the point, for selecting.
    int TextOffsetAt(THtmlCanvas& canvas, TPoint p) const;
    TTextRange Selection;
    std::wstring SelectedText() const;

    const TBitmap* Image(std::wstring_view src) override;

private:
    void Prepare();

    const THtmlLayoutOptions& FOptions;
    std::wstring FPath;
    std::unique_ptr<THtmlDocument> FDocument;
    THtmlForms FForms;
    std::unique_ptr<THtmlLayout> FLayout;
    int FLayoutWidth = -1;
    std::map<std::wstring, std::unique_ptr<TBitmap>> FImages;
};

// Reads a page's bytes (nothing past MaxPageBytes); empty when unreadable.
bool ReadPageFile(const std::wstring& path, std::vector<std::uint8_t>& bytes, std::uintmax_t limit);
