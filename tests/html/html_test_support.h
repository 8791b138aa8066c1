// Shared by the HTML viewer's tests: a page laid out through the canvas with
// fixed metrics (8 pixels a character at the default 16-pixel size, ascent
// 12), and the lines of text it made.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/html/html_document.h"
#include "ui/html/html_forms.h"
#include "ui/html/html_layout.h"
#include "ui/html/memory_canvas.h"

struct TLaidOut {
    std::unique_ptr<THtmlDocument> Doc;
    THtmlForms Forms;
    TMemoryHtmlCanvas Canvas;
    std::unique_ptr<THtmlLayout> Layout;

    // The text of each line, items joined left to right.
    std::vector<std::wstring> Lines() const;
    // Text items in order.
    std::vector<const TLayoutItem*> Texts() const;
    // The first text item whose text contains `text`.
    const TLayoutItem* TextItem(std::wstring_view text) const;
};

std::unique_ptr<TLaidOut> LayOut(const std::string& utf8, int width, THtmlImageSource* images = nullptr);
// The element whose title attribute is `title`.
const THtmlNode* ByTitle(const THtmlNode& root, std::wstring_view title);
