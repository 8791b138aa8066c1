// The formatted label: a caption whose small mark-up switches font style,
// size and colour, casts shadows, makes parts blink and breaks lines. The
// label grows to fit its text and can place itself in its parent.
//
//   $n  style: 0 regular, 1 italic, 2 bold, 3 bold italic; other n change nothing
//   &n  size in points          @n  colour n (0-36) of FmtColor's table; others change nothing
//   %   shadow on/off           ~   blinking on/off
//   \x  x itself, for x one of $ % & @ ~      CR  a new line; every other character is text
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/ext_controls.h"
#include "ui/platform/std_controls.h"

class TClassRegistry;

// ------------------------------------------------------------- mark-up

// What the mark-up changes of the label's font.
struct TFmtFont {
    int Height = -11;  // as TFont::Height
    TFontStyles Style;
    TColor Color = clWindowText;
    friend bool operator==(const TFmtFont&, const TFmtFont&) = default;
};

// A piece of text drawn in one font with one set of flags.
struct TFmtRun {
    std::wstring Text;
    TFmtFont Font;
    bool Shadow = false;
    bool Blink = false;
    friend bool operator==(const TFmtRun&, const TFmtRun&) = default;
};

using TFmtLine = std::vector<TFmtRun>;

inline constexpr int FmtColorCount = 37;
// Sizes above this many points are taken as this size.
inline constexpr int FmtMaxPoints = 1000;

// Colour n of the "@" table: 16 plain colours, then system colours 0 to 20.
// Numbers outside the table give `fallback`.
TColor FmtColor(int index, TColor fallback);

// The caption as lines of runs, starting from the label's font. Every line
// has at least one run; a mark ends a run that already has text.
std::vector<TFmtLine> ParseFmtText(std::wstring_view text, const TFmtFont& start, int pixelsPerInch);

// --------------------------------------------------------------- label

// Self-placement of a formatted label in its parent's client area.
enum TMAlign { alMNone, alMTop, alMBottom, alMLeft, alMRight, alMCenter };

class TFmtLabel;

// A blinking part of the label's last paint. Its timer hides and shows the
// text in turn every 300 ms, hidden first.
class TBlinkObj : public TObject {
private:
    bool FBlinkOn = false;

public:
    TBlinkObj() = default;
    ~TBlinkObj() override;
    TBlinkObj(const TBlinkObj&) = delete;
    TBlinkObj& operator=(const TBlinkObj&) = delete;

    bool Umbra = false;                 // drawn with a shadow
    TFmtLabel* ParentLabel = nullptr;
    std::wstring aText;
    TTimer* Timer = nullptr;            // owned by the label as component owner, freed with the part
    std::int32_t X = 0;                 // where the text was drawn, in the label
    std::int32_t Y = 0;
    TCanvas* aCanvas = nullptr;         // the label's canvas
    std::unique_ptr<TFont> aFont;       // a copy of the part's font
    TColor aParentColor = clBtnFace;    // the label's colour at paint time
    TColor ShadowColor = clBtnShadow;   // the label's shadow colour at paint time

    // The timer's event: draws the text in the label's colour (hidden) or in
    // its own colours (shown), then switches.
    void OnBlink(TObject* Sender);
    // True when the next tick hides the text.
    bool BlinkOn() const { return FBlinkOn; }
};

class TFmtLabel : public TLabel {
public:
    explicit TFmtLabel(TComponent* owner);
    ~TFmtLabel() override;

    // Hides TControl::Align: the label places itself at each paint instead
    // of being laid out by its parent.
    TMAlign Align() const { return FAlign; }
    void SetAlign(TMAlign value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);

    // Frees every blinking part (its font, its timer and itself).
    void Elibereaza_BlinkList();
    const std::vector<std::unique_ptr<TBlinkObj>>& BlinkList() const { return FBlinkList; }

protected:
    void Paint() override;
    void TextChanged() override;
    // Measures the formatted text (for AutoSize); drawing goes through Paint.
    void DoDrawText(TRect& rect, UINT flags) override;

private:
    struct TRunBox;
    struct TLineBox;
    std::vector<TLineBox> LayOut(TCanvas& canvas);
    void AddWrapped(std::vector<TLineBox>& lines, TCanvas& canvas, TFmtRun run);
    static TSize Extent(const std::vector<TLineBox>& lines);
    void FillBackground(TCanvas& canvas);
    void Grow(TSize needed);
    void PlaceInParent();
    void DrawLines(TCanvas& canvas, const std::vector<TLineBox>& lines);
    void DrawRun(TCanvas& canvas, const TRunBox& box, int x, int y);
    int LineStart(int lineWidth) const;
    void AddBlinkPart(const TRunBox& box, int x, int y);

    std::vector<std::unique_ptr<TBlinkObj>> FBlinkList;
    bool FAcces = true;  // painting allowed; false while the label resizes or moves itself
    TMAlign FAlign = alMNone;
    TColor FShadowColor = clBtnShadow;
};

// Registers TFmtLabel and its properties Align and ShadowColor.
void RegisterFmtLabel(TClassRegistry& registry);
