// Inside the layout engine: block flow, lines of inline content, tables and
// the measuring of content widths that tables need. Internal to ui/html.
#pragma once

#include <unordered_map>

#include "ui/html/html_document.h"
#include "ui/html/html_forms.h"
#include "ui/html/html_layout.h"

struct TWidths {
    int Min = 0;  // the widest thing that cannot be broken
    int Max = 0;  // everything on one line
};

// A list item's marker, waiting for the item's first line.
struct TPendingMarker {
    bool Active = false;
    TListStyle Style = TListStyle::Disc;
    int Number = 0;
    int Font = -1;
    TColor Color = clBlack;
};

class TLineBuilder;

// Where block-level content goes: the content box's left edge and width,
// and the lines that hold the next top and the bottom margin of the block
// above, which collapses with the next block's top margin.
struct TFlow {
    int X = 0;
    int Width = 0;
    TLineBuilder* Lines = nullptr;
};

struct TTableCell {
    const THtmlNode* Node = nullptr;
    int Row = 0, Col = 0, RowSpan = 1, ColSpan = 1;
};

struct TTableGrid {
    std::vector<const THtmlNode*> Rows;   // the <tr> of each row (nullptr for cells outside one)
    std::vector<TTableCell> Cells;
    const THtmlNode* Caption = nullptr;
    int Columns = 0;
};

struct TTableMetrics {
    int Spacing = 2;
    int Padding = 1;
    int Border = 0;       // the table's frame
    int CellBorder = 0;   // each cell's frame
};

class THtmlLayoutEngine::TImpl {
public:
    TImpl(THtmlCanvas& canvas, const THtmlLayoutOptions& options, THtmlImageSource* images, const THtmlForms* forms)
        : Canvas(canvas), Options(options), Images(images), Forms(forms) {}

    std::unique_ptr<THtmlLayout> Run(const THtmlDocument& doc, int width);

    // Block flow (layout_engine.cpp).
    void FlowChildren(const THtmlNode& node, TFlow& flow);
    void FlowNode(const THtmlNode& node, TFlow& flow);
    void Block(const THtmlNode& node, TFlow& flow);
    // Lays out the node's children in a content box; returns their height.
    int BlockContent(const THtmlNode& node, int x, int y, int width);
    void Text(const THtmlNode& node, const THtmlStyle& style, TFlow& flow);
    void Image(const THtmlNode& node, TFlow& flow);
    void Control(const THtmlNode& node, TFlow& flow);
    TSize ControlSize(const THtmlNode& node, const THtmlFormControl& control);
    TSize ImageSize(const THtmlNode& node, const TBitmap* picture, const THtmlStyle& style);
    void Anchor(const std::wstring& name, TFlow& flow);
    void Anchor(const std::wstring& name, int x, int top);
    void EmitMarker(int left, int baseline);
    int FontOf(const THtmlStyle& style);
    int ControlFont();
    // look: 0 flat, 1 sunken (cells, rules), 2 raised (table frames).
    int AddBorder(const TSides& sides, int look);
    void TranslateItems(std::size_t from, std::size_t to, int dx, int dy);

    // Tables (table_layout.cpp).
    void Table(const THtmlNode& node, TFlow& flow);
    const TTableGrid& Grid(const THtmlNode& table);
    TTableMetrics Metrics(const THtmlNode& table);
    std::vector<int> ColumnWidths(const THtmlNode& table, const TTableGrid& grid, const TTableMetrics& m, int target,
                                  bool fixedWidth);
    void ColumnLimits(const TTableGrid& grid, const TTableMetrics& m, std::vector<int>& min, std::vector<int>& max,
                      std::vector<int>& px, std::vector<float>& pct);
    TWidths MeasureTable(const THtmlNode& table);

    // Content widths (layout_measure.cpp).
    TWidths Measure(const THtmlNode& node);
    struct TMeasureState;
    void MeasureInline(const THtmlNode& node, TMeasureState& state);

    THtmlCanvas& Canvas;
    const THtmlLayoutOptions& Options;
    THtmlImageSource* Images;
    const THtmlForms* Forms;
    const THtmlDocument* Doc = nullptr;
    THtmlLayout* Out = nullptr;
    int Link = -1;
    TPendingMarker Marker;
    std::unordered_map<const THtmlNode*, int> ListCounters;
    std::unordered_map<const THtmlNode*, TWidths> MeasureCache;
    std::unordered_map<const THtmlNode*, std::unique_ptr<TTableGrid>> Grids;
    std::unordered_map<std::uint64_t, int> FontIds;
    int Depth = 0;
};

// One line after another of inline content: words, pictures and controls,
// broken where the next one would not fit, aligned, and emitted as layout
// items. Whitespace is collapsed as it comes: a space waits until the next
// word shows whether both fit on the line.
class TLineBuilder {
public:
    TLineBuilder(THtmlLayoutEngine::TImpl& engine, int x, int width, int y, TTextAlign align, int strutFont);

    // Whitespace in `font` inside `link` (-1: none).
    void Space(int font, int link) {
        if (FPieces.empty()) return;
        FSpaceFont = font;
        FSpaceLink = link;
    }
    // A word (or a run of preformatted text); `breakable` false keeps it on
    // the current line whatever its width.
    void Word(std::wstring_view text, int font, TColor color, TColor back, int link, TVerticalAlign valign, bool breakable);
    // A picture, control or alternative-text box, bottom on the base line.
    void Box(const TLayoutItem& item, int width, int height, TVerticalAlign valign, int marginX, int marginY);
    // Ends the line (<br>); an empty line still takes the strut's height.
    void Break();
    // Ends the last line; returns the y below it. `pendingMargin` goes in
    // and comes out unused when there was no content.
    int Finish(int& pendingMargin);
    // Starts again below a block at y, with the block's bottom margin pending.
    void Restart(int y, int pendingMargin);
    // The top of the line being built (for anchors).
    int LineTop() const { return FY + (FPieces.empty() ? FPendingMargin : 0); }
    bool Empty() const { return FPieces.empty(); }
    int X() const { return FX; }

private:
    struct TPiece {
        TLayoutItem Item;
        int Width = 0;
        int Ascent = 0;
        int Descent = 0;
        int MarginX = 0;
        int MarginY = 0;
        TVerticalAlign VAlign = TVerticalAlign::Baseline;
    };
    void Commit(bool forced);
    void BeginContent();
    int Used() const { return FUsed; }

    THtmlLayoutEngine::TImpl& FEngine;
    int FX, FWidth, FY;
    TTextAlign FAlign;
    int FStrutFont;
    std::vector<TPiece> FPieces;
    int FUsed = 0;
    int FSpaceFont = -1;
    int FSpaceLink = -1;
    int FPendingMargin = 0;
    bool FAnyLine = false;
};
