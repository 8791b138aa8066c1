#include "ui/controls/fmt_label.h"

#include <algorithm>
#include <optional>

#include "ui/platform/form_definition.h"
#include "ui/platform/platform_classes.h"

// ------------------------------------------------------------- mark-up

namespace {

constexpr TColor PlainColors[16] = {clBlack, clMaroon, clGreen,  clOlive, clNavy, clPurple, clTeal,    clGray,
                                    clSilver, clRed,   clLime,   clYellow, clBlue, clFuchsia, clAqua, clWhite};
constexpr int NumberLimit = 1000000;

bool IsEscapable(wchar_t c) { return c == L'$' || c == L'%' || c == L'&' || c == L'@' || c == L'~'; }

// The decimal number at `pos`, if any; the reader stops on the first
// character that is not a digit. Long numbers saturate.
std::optional<int> ReadNumber(std::wstring_view text, std::size_t& pos) {
    std::optional<int> number;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos)
        number = std::min(number.value_or(0) * 10 + (text[pos] - L'0'), NumberLimit);
    return number;
}

class TFmtParser {
public:
    TFmtParser(const TFmtFont& start, int pixelsPerInch) : FFont(start), FPixelsPerInch(pixelsPerInch) {
        NewLine();
    }

    std::vector<TFmtLine> Parse(std::wstring_view text) {
        std::size_t pos = 0;
        while (pos < text.size()) Step(text, pos);
        return std::move(FLines);
    }

private:
    void Step(std::wstring_view text, std::size_t& pos) {
        const wchar_t c = text[pos];
        if (c == L'\r') {
            NewLine();
            ++pos;
        } else if (c == L'\\') {
            if (pos + 1 < text.size() && IsEscapable(text[pos + 1])) ++pos;
            Current().Text += text[pos++];
        } else if (c == L'$' || c == L'&' || c == L'@') {
            ++pos;
            if (const std::optional<int> n = ReadNumber(text, pos)) ChangeFont(c, *n);
            Mark();
        } else if (c == L'%' || c == L'~') {
            bool& flag = c == L'%' ? FShadow : FBlink;
            flag = !flag;
            Mark();
            ++pos;
        } else {
            Current().Text += text[pos++];
        }
    }

    void ChangeFont(wchar_t mark, int n) {
        if (mark == L'$') {
            const TFontStyles styles[] = {TFontStyles(), TFontStyles(fsItalic), TFontStyles(fsBold), fsBold | fsItalic};
            if (n < 4) FFont.Style = styles[n];
        } else if (mark == L'&') {
            FFont.Height = -MulDiv(std::min(n, FmtMaxPoints), FPixelsPerInch, 72);
        } else {
            FFont.Color = FmtColor(n, FFont.Color);
        }
    }

    // After a mark: a run with text is closed; an empty one takes the new state.
    void Mark() {
        if (!Current().Text.empty())
            FLines.back().push_back(State());
        else
            Current() = State();
    }

    void NewLine() { FLines.push_back({State()}); }
    TFmtRun State() const { return {L"", FFont, FShadow, FBlink}; }
    TFmtRun& Current() { return FLines.back().back(); }

    std::vector<TFmtLine> FLines;
    TFmtFont FFont;
    int FPixelsPerInch;
    bool FShadow = false;
    bool FBlink = false;
};

}  // namespace

TColor FmtColor(int index, TColor fallback) {
    if (index < 0 || index >= FmtColorCount) return fallback;
    if (index < 16) return PlainColors[index];
    return static_cast<TColor>(colors_detail::System(index - 16));
}

std::vector<TFmtLine> ParseFmtText(std::wstring_view text, const TFmtFont& start, int pixelsPerInch) {
    return TFmtParser(start, pixelsPerInch).Parse(text);
}

// ------------------------------------------------------------- helpers

namespace {

// Clears a flag for the lifetime of the object.
class TFlagOff {
public:
    explicit TFlagOff(bool& flag) : FFlag(flag), FSaved(flag) { flag = false; }
    ~TFlagOff() { FFlag = FSaved; }
    TFlagOff(const TFlagOff&) = delete;
    TFlagOff& operator=(const TFlagOff&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};

// Binds a windowless control's canvas to its parent window, with the origin
// at the control and drawing clipped to it, outside of a paint.
class TControlCanvas {
public:
    explicit TControlCanvas(TGraphicControl& control) : FControl(control) {
        TWinControl* parent = control.Parent();
        if (!parent || !parent->HandleAllocated() || control.Canvas().HandleAllocated()) return;
        FWindow = parent->Handle();
        FDC = GetDC(FWindow);
        if (!FDC) return;
        FSaved = SaveDC(FDC);
        SetViewportOrgEx(FDC, control.Left(), control.Top(), nullptr);
        IntersectClipRect(FDC, 0, 0, control.Width(), control.Height());
        control.Canvas().SetHandle(FDC);
    }
    ~TControlCanvas() {
        if (!FDC) return;
        FControl.Canvas().SetHandle(nullptr);
        RestoreDC(FDC, FSaved);
        ReleaseDC(FWindow, FDC);
    }
    TControlCanvas(const TControlCanvas&) = delete;
    TControlCanvas& operator=(const TControlCanvas&) = delete;
    bool Bound() const { return FDC != nullptr; }

private:
    TGraphicControl& FControl;
    HWND FWindow = nullptr;
    HDC FDC = nullptr;
    int FSaved = 0;
};

constexpr unsigned BlinkInterval = 300;

std::unique_ptr<TFont> RunFont(const TFont& base, const TFmtFont& change) {
    auto font = std::make_unique<TFont>();
    font->Assign(base);
    font->SetHeight(change.Height);
    font->SetStyle(change.Style);
    font->SetColor(change.Color);
    return font;
}

}  // namespace

// --------------------------------------------------------------- blinking

TBlinkObj::~TBlinkObj() { FreeAndNil(Timer); }

void TBlinkObj::OnBlink(TObject*) {
    if (!ParentLabel || !ParentLabel->Visible() || !aFont || !aCanvas) return;
    TControlCanvas bound(*ParentLabel);
    if (!bound.Bound()) return;
    TCanvas& canvas = *aCanvas;
    canvas.Font().Assign(*aFont);
    canvas.Brush().SetStyle(bsClear);
    if (Umbra) {
        canvas.Font().SetColor(FBlinkOn ? ShadowColor : aParentColor);
        canvas.TextOut(X + 1, Y + 1, aText);
    }
    canvas.Font().SetColor(FBlinkOn ? aFont->Color() : aParentColor);
    canvas.TextOut(X, Y, aText);
    FBlinkOn = !FBlinkOn;
}

// ------------------------------------------------------------------ label

struct TFmtLabel::TRunBox {
    TFmtRun Run;
    std::unique_ptr<TFont> Font;
    int Width = 0;
    int Ascent = 0;
};

// A line is as wide as its runs together and as high as its highest font;
// its runs share one baseline, Ascent below the line's top.
struct TFmtLabel::TLineBox {
    std::vector<TRunBox> Runs;
    int Width = 0;
    int Ascent = 0;
    int Height = 0;

    // Measures a run in its font (empty runs count too) and adds it.
    void Add(TCanvas& canvas, const TFont& base, TFmtRun run) {
        TRunBox box{std::move(run), nullptr, 0, 0};
        box.Font = RunFont(base, box.Run.Font);
        canvas.Font().Assign(*box.Font);
        box.Width = canvas.TextWidth(box.Run.Text);
        TEXTMETRICW metrics{};
        if (canvas.HandleAllocated()) GetTextMetricsW(canvas.Handle(), &metrics);
        box.Ascent = metrics.tmAscent;
        Width += box.Width;
        Ascent = std::max<int>(Ascent, metrics.tmAscent);
        Height = std::max<int>(Height, metrics.tmHeight);
        Runs.push_back(std::move(box));
    }
};

TFmtLabel::TFmtLabel(TComponent* owner) : TLabel(owner) {
    // "&" is a size mark here, never an accelerator.
    SetShowAccelChar(false);
}

TFmtLabel::~TFmtLabel() { Elibereaza_BlinkList(); }

void TFmtLabel::SetAlign(TMAlign value) {
    if (value == FAlign) return;
    FAlign = value;
    Repaint();
}

void TFmtLabel::SetShadowColor(TColor value) {
    if (value == FShadowColor) return;
    FShadowColor = value;
    Repaint();
}

void TFmtLabel::Elibereaza_BlinkList() { FBlinkList.clear(); }

void TFmtLabel::Paint() {
    if (!FAcces) return;
    TCanvas& canvas = Canvas();
    // Also with an empty caption, so old parts stop blinking.
    Elibereaza_BlinkList();
    if (!Transparent()) FillBackground(canvas);
    if (Caption().empty()) return;
    const std::vector<TLineBox> lines = LayOut(canvas);
    Grow(Extent(lines));
    PlaceInParent();
    DrawLines(canvas, lines);
}

// Parts of the old caption must not blink over the new one.
void TFmtLabel::TextChanged() {
    Elibereaza_BlinkList();
    TLabel::TextChanged();
}

void TFmtLabel::DoDrawText(TRect& rect, UINT flags) {
    if (!(flags & DT_CALCRECT)) return;
    const TSize size = Extent(LayOut(Canvas()));
    rect.Right = rect.Left + size.cx;
    rect.Bottom = rect.Top + size.cy;
}

std::vector<TFmtLabel::TLineBox> TFmtLabel::LayOut(TCanvas& canvas) {
    const TFmtFont start{Font().Height(), Font().Style(), Font().Color()};
    std::vector<TLineBox> lines;
    const bool wrap = WordWrap() && Width() > 0;
    for (TFmtLine& line : ParseFmtText(Caption(), start, Font().PixelsPerInch())) {
        lines.emplace_back();
        for (TFmtRun& run : line) {
            if (wrap)
                AddWrapped(lines, canvas, std::move(run));
            else
                lines.back().Add(canvas, Font(), std::move(run));
        }
    }
    canvas.Font().Assign(Font());
    return lines;
}

// With word wrap, a run is added word by word and a word that would pass the
// label's right edge starts a new line; a word wider than the label stays
// whole on a line of its own.
void TFmtLabel::AddWrapped(std::vector<TLineBox>& lines, TCanvas& canvas, TFmtRun run) {
    const std::wstring& text = run.Text;
    if (text.empty()) {
        lines.back().Add(canvas, Font(), std::move(run));
        return;
    }
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find(L' ', pos);
        end = end == std::wstring::npos ? text.size() : text.find_first_not_of(L' ', end);
        if (end == std::wstring::npos) end = text.size();
        TFmtRun part = run;
        part.Text = text.substr(pos, end - pos);
        TFmtRun word = part;
        word.Text.erase(word.Text.find_last_not_of(L' ') + 1);
        TLineBox probe;
        probe.Add(canvas, Font(), std::move(word));
        if (lines.back().Width > 0 && lines.back().Width + probe.Width > Width()) lines.emplace_back();
        lines.back().Add(canvas, Font(), std::move(part));
        pos = end;
    }
}

// The widest line's width and the sum of the line heights.
TSize TFmtLabel::Extent(const std::vector<TLineBox>& lines) {
    TSize size;
    for (const TLineBox& line : lines) {
        size.cx = std::max(size.cx, line.Width);
        size.cy += line.Height;
    }
    return size;
}

void TFmtLabel::FillBackground(TCanvas& canvas) {
    TFlagOff noPaint(FAcces);
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
}

// The label grows to what its text needs and never shrinks here.
void TFmtLabel::Grow(TSize needed) {
    if (needed.cx <= Width() && needed.cy <= Height()) return;
    TFlagOff noPaint(FAcces);
    SetBounds(Left(), Top(), std::max(needed.cx, Width()), std::max(needed.cy, Height()));
}

// Centring uses the parent's client width like the other placements, so the
// label is centred in what the parent shows.
void TFmtLabel::PlaceInParent() {
    TWinControl* parent = Parent();
    if (!parent || FAlign == alMNone) return;
    const int parentWidth = parent->ClientWidth(), parentHeight = parent->ClientHeight();
    int left = Left(), top = Top();
    switch (FAlign) {
    case alMTop: top = 1; break;
    case alMBottom: top = parentHeight - Height() - 1; break;
    case alMLeft: left = 1; break;
    case alMRight: left = parentWidth - Width() - 2; break;
    case alMCenter:
        left = (parentWidth - Width()) / 2;
        top = (parentHeight - Height()) / 2;
        break;
    default: break;
    }
    TFlagOff noPaint(FAcces);
    SetBounds(left, top, Width(), Height());
}

int TFmtLabel::LineStart(int lineWidth) const {
    switch (Alignment()) {
    case taRightJustify: return Width() - lineWidth;
    case taCenter: return (Width() - lineWidth) / 2;
    default: return 0;
    }
}

void TFmtLabel::DrawLines(TCanvas& canvas, const std::vector<TLineBox>& lines) {
    canvas.Brush().SetStyle(bsClear);
    int top = 0;
    for (const TLineBox& line : lines) {
        int x = LineStart(line.Width);
        for (const TRunBox& box : line.Runs) {
            DrawRun(canvas, box, x, top + line.Ascent - box.Ascent);
            x += box.Width;
        }
        top += line.Height;
    }
}

void TFmtLabel::DrawRun(TCanvas& canvas, const TRunBox& box, int x, int y) {
    canvas.Font().Assign(*box.Font);
    if (box.Run.Shadow) {
        canvas.Font().SetColor(FShadowColor);
        canvas.TextOut(x + 1, y + 1, box.Run.Text);
        canvas.Font().SetColor(box.Font->Color());
    }
    canvas.TextOut(x, y, box.Run.Text);
    // An empty part would have nothing to blink.
    if (box.Run.Blink && !box.Run.Text.empty()) AddBlinkPart(box, x, y);
}

void TFmtLabel::AddBlinkPart(const TRunBox& box, int x, int y) {
    auto part = std::make_unique<TBlinkObj>();
    part->Umbra = box.Run.Shadow;
    part->ParentLabel = this;
    part->aText = box.Run.Text;
    part->X = x;
    part->Y = y;
    part->aCanvas = &Canvas();
    part->aFont = std::make_unique<TFont>();
    part->aFont->Assign(*box.Font);
    part->aParentColor = Color();
    part->ShadowColor = FShadowColor;
    TBlinkObj* raw = part.get();
    FBlinkList.push_back(std::move(part));
    raw->Timer = new TTimer(this);
    raw->Timer->SetInterval(BlinkInterval);
    raw->Timer->OnTimer = [raw](TObject* sender) { raw->OnBlink(sender); };
}

// ----------------------------------------------------------- registration

void RegisterFmtLabel(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TFmtLabel>(L"TFmtLabel");
    r.RegisterProperty<TFmtLabel>(L"Align", [](TFmtLabel& c, V v, X x) {
        c.SetAlign(static_cast<TMAlign>(x.Enum(v, {{L"alMNone", alMNone}, {L"alMTop", alMTop}, {L"alMBottom", alMBottom},
                                                   {L"alMLeft", alMLeft}, {L"alMRight", alMRight},
                                                   {L"alMCenter", alMCenter}})));
    });
    r.RegisterProperty<TFmtLabel>(L"ShadowColor", [](TFmtLabel& c, V v, X x) { c.SetShadowColor(DefColor(v, x)); });
}
