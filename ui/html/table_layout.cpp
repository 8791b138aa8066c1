// Tables: the grid of cells with their spans, the columns' widths from what
// the cells need and ask for (pixels, per cent), then the rows, each as high
// as its tallest cell, and each cell's content aligned in its height.
#include <algorithm>
#include <cwchar>
#include <numeric>

#include "ui/html/layout_impl.h"

namespace {

using enum THtmlTag;

int AttrInt(const THtmlNode& node, const wchar_t* name, int fallback, int low, int high) {
    const std::wstring* v = node.Attribute(name);
    if (!v || v->empty()) return fallback;
    wchar_t* end = nullptr;
    const long n = std::wcstol(v->c_str(), &end, 10);
    if (end == v->c_str()) return fallback;
    return static_cast<int>(std::clamp<long>(n, low, high));
}

bool IsCell(const THtmlNode& n) { return n.Style && n.Style->Display == TDisplay::TableCell; }
bool IsRow(const THtmlNode& n) { return n.Style && n.Style->Display == TDisplay::TableRow; }
bool IsGroup(const THtmlNode& n) { return n.Style && n.Style->Display == TDisplay::TableRowGroup; }
bool Any(const TSides& s) { return s.Top || s.Right || s.Bottom || s.Left; }

class TGridBuilder {
public:
    explicit TGridBuilder(TTableGrid& grid) : FGrid(grid) {}

    void Collect(const THtmlNode& parent) {
        std::vector<const THtmlNode*> stray;
        const auto flushStray = [&] {
            if (!stray.empty()) AddRow(nullptr, stray);
            stray.clear();
        };
        for (const auto& child : parent.Children) {
            if (child->IsText() || !child->Style) continue;
            if (IsCell(*child)) {
                stray.push_back(child.get());
                continue;
            }
            flushStray();
            if (child->Style->Display == TDisplay::TableCaption) {
                if (!FGrid.Caption) FGrid.Caption = child.get();
            } else if (IsRow(*child)) {
                std::vector<const THtmlNode*> cells;
                for (const auto& c : child->Children)
                    if (IsCell(*c)) cells.push_back(c.get());
                AddRow(child.get(), cells);
            } else if (IsGroup(*child) || child->Tag == Form || child->Style->Display == TDisplay::Block ||
                       child->Style->Display == TDisplay::Inline) {
                // Rows inside a row group, or inside a form that old pages wrap around rows.
                Collect(*child);
            }
        }
        flushStray();
    }

    void Finish() {
        const int rows = static_cast<int>(FGrid.Rows.size());
        for (TTableCell& c : FGrid.Cells) c.RowSpan = std::clamp(c.RowSpan, 1, std::max(rows - c.Row, 1));
    }

private:
    void AddRow(const THtmlNode* row, const std::vector<const THtmlNode*>& cells) {
        const int r = static_cast<int>(FGrid.Rows.size());
        FGrid.Rows.push_back(row);
        int col = 0;
        for (const THtmlNode* cell : cells) {
            while (col < static_cast<int>(FBusy.size()) && FBusy[static_cast<std::size_t>(col)] > r) ++col;
            if (col >= MaxTableColumns) break;
            const int colspan = AttrInt(*cell, L"colspan", 1, 1, MaxTableColumns - col);
            int rowspan = AttrInt(*cell, L"rowspan", 1, 0, MaxRowSpan);
            if (rowspan == 0) rowspan = MaxRowSpan;  // to the end of the table
            if (static_cast<int>(FBusy.size()) < col + colspan) FBusy.resize(static_cast<std::size_t>(col + colspan), 0);
            for (int c = col; c < col + colspan; ++c) FBusy[static_cast<std::size_t>(c)] = r + rowspan;
            FGrid.Cells.push_back({cell, r, col, rowspan, colspan});
            col += colspan;
            FGrid.Columns = std::max(FGrid.Columns, col);
        }
    }

    TTableGrid& FGrid;
    std::vector<int> FBusy;  // per column: the first row it is free again
};

}  // namespace

const TTableGrid& THtmlLayoutEngine::TImpl::Grid(const THtmlNode& table) {
    auto& slot = Grids[&table];
    if (!slot) {
        slot = std::make_unique<TTableGrid>();
        TGridBuilder builder(*slot);
        builder.Collect(table);
        builder.Finish();
    }
    return *slot;
}

TTableMetrics THtmlLayoutEngine::TImpl::Metrics(const THtmlNode& table) {
    TTableMetrics m;
    m.Spacing = AttrInt(table, L"cellspacing", 2, 0, 200);
    m.Padding = AttrInt(table, L"cellpadding", 1, 0, 200);
    m.Border = table.Style->Border.Left;
    m.CellBorder = table.HasAttribute(L"border") && m.Border > 0 ? 1 : 0;
    return m;
}

namespace {

TSides CellPadding(const THtmlStyle& s, const TTableMetrics& m) {
    return Any(s.Padding) ? s.Padding : TSides{m.Padding, m.Padding, m.Padding, m.Padding};
}

TSides CellBorder(const THtmlStyle& s, const TTableMetrics& m) {
    return Any(s.Border) ? s.Border : TSides{m.CellBorder, m.CellBorder, m.CellBorder, m.CellBorder};
}

}  // namespace

void THtmlLayoutEngine::TImpl::ColumnLimits(const TTableGrid& grid, const TTableMetrics& m, std::vector<int>& min,
                                            std::vector<int>& max, std::vector<int>& px, std::vector<float>& pct) {
    const auto n = static_cast<std::size_t>(grid.Columns);
    min.assign(n, 0);
    max.assign(n, 0);
    px.assign(n, 0);
    pct.assign(n, 0.0f);
    std::vector<const TTableCell*> spanning;
    for (const TTableCell& cell : grid.Cells) {
        if (cell.ColSpan > 1) {
            spanning.push_back(&cell);
            continue;
        }
        const THtmlStyle& s = *cell.Node->Style;
        const int extra = CellPadding(s, m).Horizontal() + CellBorder(s, m).Horizontal();
        const TWidths w = Measure(*cell.Node);
        const auto c = static_cast<std::size_t>(cell.Col);
        min[c] = std::max(min[c], w.Min + extra);
        max[c] = std::max(max[c], w.Max + extra);
        if (s.Width.Unit == TLength::Px) px[c] = std::max(px[c], static_cast<int>(s.Width.Value));
        if (s.Width.Unit == TLength::Percent) pct[c] = std::max(pct[c], std::min(s.Width.Value, 100.0f));
    }
    std::stable_sort(spanning.begin(), spanning.end(),
                     [](const TTableCell* a, const TTableCell* b) { return a->ColSpan < b->ColSpan; });
    for (const TTableCell* cell : spanning) {
        const THtmlStyle& s = *cell->Node->Style;
        const int extra = CellPadding(s, m).Horizontal() + CellBorder(s, m).Horizontal();
        const TWidths w = Measure(*cell->Node);
        const auto first = static_cast<std::size_t>(cell->Col), last = first + static_cast<std::size_t>(cell->ColSpan);
        const int gaps = m.Spacing * (cell->ColSpan - 1);
        const auto widen = [&](std::vector<int>& limit, int need) {
            const int have = std::accumulate(limit.begin() + static_cast<std::ptrdiff_t>(first),
                                             limit.begin() + static_cast<std::ptrdiff_t>(last), 0) + gaps;
            if (need <= have) return;
            const int share = (need - have) / cell->ColSpan, rest = (need - have) % cell->ColSpan;
            for (std::size_t c = first; c < last; ++c) limit[c] += share + (c - first < static_cast<std::size_t>(rest) ? 1 : 0);
        };
        widen(min, w.Min + extra);
        widen(max, w.Max + extra);
    }
    for (std::size_t c = 0; c < n; ++c) {
        if (px[c] > 0) max[c] = std::max(min[c], px[c]);
        max[c] = std::max(max[c], min[c]);
    }
}

std::vector<int> THtmlLayoutEngine::TImpl::ColumnWidths(const THtmlNode&, const TTableGrid& grid, const TTableMetrics& m,
                                                        int target, bool fixedWidth) {
    std::vector<int> min, max, px;
    std::vector<float> pct;
    ColumnLimits(grid, m, min, max, px, pct);
    const std::size_t n = min.size();
    std::vector<int> widths = min;
    int remaining = target - std::accumulate(min.begin(), min.end(), 0);
    if (remaining <= 0) return widths;
    const auto grow = [&](std::size_t c, int want) {
        const int add = std::clamp(want - widths[c], 0, remaining);
        widths[c] += add;
        remaining -= add;
    };
    for (std::size_t c = 0; c < n; ++c)
        if (pct[c] > 0) grow(c, static_cast<int>(pct[c] * static_cast<float>(target) / 100.0f));
    for (std::size_t c = 0; c < n; ++c)
        if (pct[c] <= 0 && px[c] > 0) grow(c, px[c]);
    const auto isAuto = [&](std::size_t c) { return pct[c] <= 0 && px[c] <= 0; };
    long long need = 0;
    for (std::size_t c = 0; c < n; ++c)
        if (isAuto(c)) need += max[c] - widths[c];
    if (need > 0) {
        const long long give = std::min<long long>(need, remaining);
        long long given = 0;
        for (std::size_t c = 0; c < n; ++c) {
            if (!isAuto(c)) continue;
            const long long add = (max[c] - widths[c]) * give / need;
            widths[c] += static_cast<int>(add);
            given += add;
        }
        remaining -= static_cast<int>(given);
    }
    if (remaining > 0 && fixedWidth) {
        // What is left of a table of a given width goes to the automatic
        // columns by their widths, or to all columns when there are none.
        std::vector<std::size_t> takers;
        for (std::size_t c = 0; c < n; ++c)
            if (isAuto(c)) takers.push_back(c);
        if (takers.empty())
            for (std::size_t c = 0; c < n; ++c) takers.push_back(c);
        long long total = 0;
        for (std::size_t c : takers) total += widths[c];
        const int share = remaining;
        int given = 0;
        for (std::size_t c : takers) {
            const int add = total > 0 ? static_cast<int>(widths[c] * static_cast<long long>(share) / total)
                                      : share / static_cast<int>(takers.size());
            widths[c] += add;
            given += add;
        }
        if (!takers.empty()) widths[takers.back()] += share - given;
    }
    return widths;
}

TWidths THtmlLayoutEngine::TImpl::MeasureTable(const THtmlNode& table) {
    if (const auto it = MeasureCache.find(&table); it != MeasureCache.end()) return it->second;
    const TTableGrid& grid = Grid(table);
    const TTableMetrics m = Metrics(table);
    std::vector<int> min, max, px;
    std::vector<float> pct;
    ColumnLimits(grid, m, min, max, px, pct);
    const int extra = 2 * m.Border + m.Spacing * (grid.Columns + 1);
    TWidths w{std::accumulate(min.begin(), min.end(), 0) + extra, std::accumulate(max.begin(), max.end(), 0) + extra};
    if (grid.Caption) {
        const TWidths caption = Measure(*grid.Caption);
        w.Min = std::max(w.Min, caption.Min);
    }
    const THtmlStyle& s = *table.Style;
    if (s.Width.Unit == TLength::Px) w = {std::max(w.Min, static_cast<int>(s.Width.Value)), std::max(w.Min, static_cast<int>(s.Width.Value))};
    w.Max = std::max(w.Max, w.Min);
    MeasureCache.emplace(&table, w);
    return w;
}

void THtmlLayoutEngine::TImpl::Table(const THtmlNode& node, TFlow& flow) {
    const THtmlStyle& s = *node.Style;
    int pending = 0;
    int y = flow.Lines->Finish(pending);
    y += std::max(pending, s.Margin.Top);
    ++Depth;
    const TTableGrid& grid = Grid(node);
    const TTableMetrics m = Metrics(node);
    const int cols = grid.Columns;
    const int avail = std::max(flow.Width - s.Margin.Left - s.Margin.Right, 0);
    const int extra = 2 * m.Border + m.Spacing * (cols + 1);
    std::vector<int> min, max, px;
    std::vector<float> pct;
    ColumnLimits(grid, m, min, max, px, pct);
    const int sumMin = std::accumulate(min.begin(), min.end(), 0) + extra;
    const int sumMax = std::accumulate(max.begin(), max.end(), 0) + extra;
    const bool anyPercent = std::any_of(pct.begin(), pct.end(), [](float p) { return p > 0; });
    int tableWidth;
    bool fixed = !s.Width.IsAuto();
    if (fixed) tableWidth = std::max(s.Width.Resolve(flow.Width, avail), sumMin);
    else if (anyPercent) tableWidth = std::max(avail, sumMin), fixed = true;
    else tableWidth = std::clamp(sumMax, sumMin, std::max(avail, sumMin));
    const std::vector<int> widths = ColumnWidths(node, grid, m, tableWidth - extra, fixed);
    tableWidth = std::accumulate(widths.begin(), widths.end(), 0) + extra;

    int x = flow.X + s.Margin.Left;
    const bool centred = (s.AutoMarginLeft && s.AutoMarginRight) ||
                         (!s.AutoMarginLeft && !s.AutoMarginRight && node.Parent && node.Parent->Style &&
                          node.Parent->Style->Align == TTextAlign::Center);
    if (avail > tableWidth) {
        if (centred) x += (avail - tableWidth) / 2;
        else if (s.AutoMarginLeft) x += avail - tableWidth;
    }
    if (const std::wstring* id = node.Attribute(L"id")) Anchor(*id, x, y);
    if (grid.Caption) y += BlockContent(*grid.Caption, x, y, tableWidth);
    const int top = y;
    const std::size_t tableFill = Out->Items.size();
    if (s.Background != clNone) {
        TLayoutItem bg;
        bg.Kind = TItemKind::Fill;
        bg.Color = s.Background;
        Out->Items.push_back(bg);
    }

    std::vector<int> colX(static_cast<std::size_t>(cols) + 1);
    colX[0] = x + m.Border + m.Spacing;
    for (int c = 0; c < cols; ++c) colX[static_cast<std::size_t>(c) + 1] = colX[static_cast<std::size_t>(c)] + widths[static_cast<std::size_t>(c)] + m.Spacing;

    struct TPlaced {
        std::size_t Fill = 0, From = 0, To = 0;
        int Height = 0;
    };
    const std::size_t rows = grid.Rows.size();
    std::vector<int> rowTop(rows + 1), rowHeight(rows, 0);
    std::vector<std::vector<std::size_t>> endingAt(rows);
    std::vector<TPlaced> placed(grid.Cells.size());
    for (std::size_t r = 0; r < rows; ++r)
        if (const THtmlNode* tr = grid.Rows[r]; tr && tr->Style && tr->Style->Height.Unit == TLength::Px)
            rowHeight[r] = static_cast<int>(tr->Style->Height.Value);
    rowTop[0] = top + m.Border + m.Spacing;
    std::size_t next = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        for (; next < grid.Cells.size() && grid.Cells[next].Row == static_cast<int>(r); ++next) {
            const TTableCell& cell = grid.Cells[next];
            const THtmlStyle& cs = *cell.Node->Style;
            const TSides pad = CellPadding(cs, m), border = CellBorder(cs, m);
            const auto c0 = static_cast<std::size_t>(cell.Col), c1 = c0 + static_cast<std::size_t>(cell.ColSpan);
            const int cellX = colX[c0], cellW = colX[c1] - m.Spacing - cellX;
            TPlaced& p = placed[next];
            p.Fill = Out->Items.size();
            TColor back = cs.Background;
            if (back == clNone && grid.Rows[r] && grid.Rows[r]->Style) back = grid.Rows[r]->Style->Background;
            if (back == clNone && grid.Rows[r] && grid.Rows[r]->Parent && grid.Rows[r]->Parent->Style &&
                grid.Rows[r]->Parent != &node)
                back = grid.Rows[r]->Parent->Style->Background;
            TLayoutItem fill;
            fill.Kind = TItemKind::Fill;
            fill.Color = back;
            Out->Items.push_back(fill);
            p.From = Out->Items.size();
            int h = BlockContent(*cell.Node, cellX + border.Left + pad.Left, rowTop[r] + border.Top + pad.Top,
                                 cellW - pad.Horizontal() - border.Horizontal());
            p.To = Out->Items.size();
            h += pad.Vertical() + border.Vertical();
            if (cs.Height.Unit == TLength::Px) h = std::max(h, static_cast<int>(cs.Height.Value));
            p.Height = h;
            if (cell.RowSpan == 1) rowHeight[r] = std::max(rowHeight[r], h);
            else endingAt[r + static_cast<std::size_t>(cell.RowSpan) - 1].push_back(next);
        }
        for (std::size_t i : endingAt[r]) {
            const TTableCell& cell = grid.Cells[i];
            int total = m.Spacing * (cell.RowSpan - 1);
            for (std::size_t k = static_cast<std::size_t>(cell.Row); k <= r; ++k) total += rowHeight[k];
            if (placed[i].Height > total) rowHeight[r] += placed[i].Height - total;
        }
        rowTop[r + 1] = rowTop[r] + rowHeight[r] + m.Spacing;
    }
    for (std::size_t i = 0; i < grid.Cells.size(); ++i) {
        const TTableCell& cell = grid.Cells[i];
        const THtmlStyle& cs = *cell.Node->Style;
        const auto r0 = static_cast<std::size_t>(cell.Row), r1 = r0 + static_cast<std::size_t>(cell.RowSpan);
        const auto c0 = static_cast<std::size_t>(cell.Col), c1 = c0 + static_cast<std::size_t>(cell.ColSpan);
        const TRect box{colX[c0], rowTop[r0], colX[c1] - m.Spacing, rowTop[r1] - m.Spacing};
        TVerticalAlign valign = cs.VAlign;
        if (!cell.Node->HasAttribute(L"valign") && grid.Rows[r0] && grid.Rows[r0]->HasAttribute(L"valign"))
            valign = grid.Rows[r0]->Style->VAlign;
        const int free = box.Height() - placed[i].Height;
        const int shift = valign == TVerticalAlign::Middle ? free / 2 : valign == TVerticalAlign::Bottom ? free : 0;
        TranslateItems(placed[i].From, placed[i].To, 0, shift);
        Out->Items[placed[i].Fill].Box = box;
        const TSides border = CellBorder(cs, m);
        if (Any(border)) {
            TLayoutItem frame;
            frame.Kind = TItemKind::Border;
            frame.Box = box;
            frame.Color = Any(cs.Border) ? cs.BorderColor : clGray;
            frame.Index = AddBorder(border, Any(cs.Border) && !cs.BorderInset ? 0 : 1);
            Out->Items.push_back(frame);
        }
    }
    const int bottom = (rows ? rowTop[rows] : top + m.Border + m.Spacing) + m.Border;
    const TRect tableBox{x, top, x + tableWidth, bottom};
    if (s.Background != clNone) Out->Items[tableFill].Box = tableBox;
    if (m.Border > 0) {
        TLayoutItem frame;
        frame.Kind = TItemKind::Border;
        frame.Box = tableBox;
        frame.Color = s.BorderColor;
        frame.Index = AddBorder(s.Border, node.HasAttribute(L"border") ? 2 : (s.BorderInset ? 1 : 0));
        Out->Items.push_back(frame);
    }
    Out->Width = std::max(Out->Width, tableBox.Right);
    flow.Lines->Restart(bottom, s.Margin.Bottom);
    --Depth;
}
