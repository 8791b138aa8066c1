#include "ui/controls/nice_button.h"

#include <algorithm>
#include <map>

#include "ui/controls/draw_helpers.h"
#include "ui/controls/mbutton.h"
#include "ui/base/globals.h"
#include "ui/base/image_container.h"
#include "ui/platform/application.h"


namespace {

constexpr int FaceLeft = 35;  // where the face starts when a glyph stands left of it
constexpr UINT FlashMilliseconds = 20;

enum { lookNormal, lookHot, lookDown, lookDisabled };

// The face bitmap: nine slices (left cap, middle, right cap for normal, hot
// and pressed); nullptr when it has no picture.
const TBitmap* Face() { return FaceBitmap && FaceBitmap->Pixel(0, 0) != static_cast<TColor>(-1) ? FaceBitmap : nullptr; }

// The screen point of a hit-test message (signed: left of or above the primary screen is negative).
TPoint HitTestPoint(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

// A thread timer whose first tick ends the button's forced-down look. It
// needs no window, so it works for a button whose window does not exist yet.
class TNiceButton::TFlashTimer {
public:
    explicit TFlashTimer(TNiceButton* button) : FId(SetTimer(nullptr, 0, FlashMilliseconds, &Tick)) {
        if (FId) Timers()[FId] = button;
    }
    ~TFlashTimer() {
        if (!FId) return;
        KillTimer(nullptr, FId);
        Timers().erase(FId);
    }
    TFlashTimer(const TFlashTimer&) = delete;
    TFlashTimer& operator=(const TFlashTimer&) = delete;

private:
    static std::map<UINT_PTR, TNiceButton*>& Timers() {
        static std::map<UINT_PTR, TNiceButton*> timers;
        return timers;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        const auto it = Timers().find(id);
        if (it == Timers().end()) return;
        try {
            it->second->SetForcedDown(false);  // frees this timer
        } catch (const std::exception& e) {
            Application->HandleException(e);
        }
    }

    UINT_PTR FId;
};

TNiceButton::TNiceButton(TComponent* owner) : TButton(owner) {
    DoubleBuffered = true;
    FControlStyle = csCaptureMouse | csOpaque;
    SetBounds(0, 0, 100, 28);
    SetColor(clWindow);
    FSettingKindCaption = true;
    SetText(std::wstring(KindCaptions[mkCustom]));
    FSettingKindCaption = false;
}

TNiceButton::~TNiceButton() {
    FTimer.reset();
    if (HotNiceButton == this) HotNiceButton = nullptr;
}

void TNiceButton::BuffersStale() {
    FBufferFilled = false;
    Invalidate();
}

void TNiceButton::SetCaption(const std::wstring& text) {
    CpAssigned = true;
    TButton::SetCaption(text);
}

void TNiceButton::TextChanged() {
    if (!FSettingKindCaption) CpAssigned = true;
    TButton::TextChanged();
    BuffersStale();
}

void TNiceButton::SetCaptionVisible(bool value) {
    if (value == FCaptionV) return;
    FCaptionV = value;
    BuffersStale();
}

void TNiceButton::SetGlyph(const TBitmap& value) {
    FGlyph.Assign(value);
    BuffersStale();
}

void TNiceButton::SetModalResult(int value) {
    ModalResult = value;
    MRAssigned = true;
}

void TNiceButton::SetKind(TMButtonKind value) {
    if (value == FKind || !IsButtonKind(value)) return;
    if (!MRAssigned) ModalResult = KindModalResults[value];
    if (!CpAssigned) {
        FSettingKindCaption = true;
        SetText(std::wstring(KindCaptions[value]));
        FSettingKindCaption = false;
    }
    FKind = value;
    BuffersStale();
}

void TNiceButton::SetForcedDown(bool value) {
    if (value == FForcedDown) return;
    FForcedDown = value;
    if (!value)
        FTimer.reset();
    else if (!FMouseDown)
        FTimer = std::make_unique<TFlashTimer>(this);
    Invalidate();
}

void TNiceButton::SetNumGlyphs(int value) {
    if (value == FNumGlyphs) return;
    FNumGlyphs = value;
    BuffersStale();
}

void TNiceButton::SetButtonLayout(TButtonLayout value) {
    if (value == FButtonLayout) return;
    FButtonLayout = value;
    Invalidate();
}

void TNiceButton::SetInsideDraw(bool value) {
    if (value == FInsideDraw) return;
    FInsideDraw = value;
    BuffersStale();
}

void TNiceButton::SetStretch(bool value) {
    if (value == FStretch) return;
    FStretch = value;
    BuffersStale();
}

void TNiceButton::SetBuffered(bool value) {
    if (value == FBuffered) return;
    FBuffered = value;
    BuffersStale();
}

void TNiceButton::Click() {
    TButton::Click();
    if (!FMouseDown && !FInvisibleClick) SetForcedDown(true);
    if (Focused()) SetDrawFace(true);
}

void TNiceButton::SetDrawFace(bool value) {
    if (value == FDrawFace) return;
    if (value) {
        if (HotNiceButton && HotNiceButton != this) HotNiceButton->SetDrawFace(false);
        HotNiceButton = this;
    }
    FDrawFace = value;
    Invalidate();
}

void TNiceButton::MouseEnterAction() {
    if (!Enabled()) return;
    auto* active = dynamic_cast<TNiceButton*>(Screen->ActiveControl());
    if (active && active != this && CanFocus()) SetFocus();
    SetDrawFace(true);
}

void TNiceButton::MouseLeaveAction() {
    if (Enabled() && !Focused()) SetDrawFace(false);
}

void TNiceButton::MouseEnter() {
    TButton::MouseEnter();
    CURSORINFO info{};
    info.cbSize = sizeof info;
    const TPoint cursor = GetCursorInfo(&info) ? TPoint(info.ptScreenPos) : TPoint{0, 0};
    if (PointInButton(cursor)) MouseEnterAction();
}

void TNiceButton::MouseLeave() {
    TButton::MouseLeave();
    MouseLeaveAction();
}

// A disabled button cannot be hot; without this it would stay hot, since
// the mouse-leave action ignores disabled buttons.
void TNiceButton::EnabledChanged() {
    TButton::EnabledChanged();
    if (!Enabled()) {
        if (HotNiceButton == this) HotNiceButton = nullptr;
        FDrawFace = false;
    }
    Invalidate();
}

void TNiceButton::SetButtonStyle(bool isDefault) {
    TButton::SetButtonStyle(isDefault);  // Enter still presses the default button; the look ignores it
}

void TNiceButton::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.Style |= BS_OWNERDRAW;
}

void TNiceButton::CreateHandleDone() {
    TButton::CreateHandleDone();
    if (!FBuffered && BufferedLook) SetBuffered(true);
}

void TNiceButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case BM_SETSTYLE: KeepOwnerDrawn(m); break;
    case CN_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        item->itemWidth = static_cast<UINT>(Width());
        item->itemHeight = static_cast<UINT>(Height());
        m.Result = TRUE;
        return;
    }
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    default: break;
    }
    TButton::WndProc(m);
    switch (m.Msg) {
    case WM_SETFOCUS: SetDrawFace(true); break;
    case WM_KILLFOCUS: SetDrawFace(false); break;
    case WM_MOUSEMOVE:
        if (!FDrawFace) MouseEnterAction();
        break;
    case WM_NCHITTEST:
        // Only client points are reclassified: where nothing is drawn the mouse passes through.
        if (m.Result == HTCLIENT && !PointInButton(HitTestPoint(m.LParam))) {
            m.Result = HTNOWHERE;
            if (FDrawFace) MouseLeaveAction();
        }
        break;
    case WM_LBUTTONDOWN: FMouseDown = true; break;
    case WM_LBUTTONUP: FMouseDown = false; break;
    default: break;
    }
}

bool TNiceButton::HasCaption() const { return FCaptionV && !Caption().empty(); }

const TBitmap& TNiceButton::Picture() { return FKind == mkCustom ? FGlyph : NiceKindGlyph(FKind); }

bool TNiceButton::PointInButton(TPoint screenPoint) {
    if (FStretch) return true;
    const TPoint p = ScreenToClient(screenPoint);
    const int faceHeight = Face() ? Face()->Height() : 0;
    const int faceTop = (Height() - faceHeight) / 2;
    const bool caption = HasCaption();
    if (GlyphWidth > 0) {
        const int glyphTop = (Height() - GlyphHeight) / 2;
        const TRect glyph = caption ? TRect{34 - GlyphWidth, glyphTop, FaceLeft, glyphTop + GlyphHeight}
                                    : Bounds((Width() - GlyphWidth) / 2, glyphTop, GlyphWidth, GlyphHeight);
        if (glyph.Contains(p)) return true;
        return caption && TRect{FaceLeft, faceTop, Width(), faceTop + faceHeight}.Contains(p);
    }
    if (caption) return TRect{0, faceTop, Width(), faceTop + faceHeight}.Contains(p);
    return ClientRect().Contains(p);
}

void TNiceButton::DrawItem(const DRAWITEMSTRUCT& item) {
    if (!Face()) return;  // no face bitmap: nothing is painted at all
    FCanvas.SetHandle(item.hDC);
    try {
        const bool isDown = FForcedDown || (item.itemState & ODS_SELECTED) != 0;
        if (FBuffered)
            PaintFromBuffers(isDown);
        else
            PaintState(FCanvas, isDown, FDrawFace, Enabled());
    } catch (...) {
        // The button keeps whatever was on the screen.
    }
    FCanvas.SetHandle(nullptr);
}

void TNiceButton::PaintFromBuffers(bool isDown) {
    const auto wrongSize = [this](const std::unique_ptr<TBitmap>& b) {
        return !b || b->Width() != Width() || b->Height() != Height();
    };
    if (std::any_of(BuffBitmap.begin(), BuffBitmap.end(), wrongSize)) FBufferFilled = false;
    if (!FBufferFilled) RebuildBuffers();
    // The looks leave their background out, so the button's own colour goes first.
    FCanvas.Brush().SetColor(Color());
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.FillRect(Bounds(0, 0, Width(), Height()));
    const int look = !Enabled() ? lookDisabled : isDown ? lookDown : FDrawFace ? lookHot : lookNormal;
    FCanvas.Draw(0, 0, *BuffBitmap[look]);
}

void TNiceButton::RebuildBuffers() {
    struct TLook {
        bool Down, Hot, Enabled;
    };
    static constexpr TLook Looks[] = {{false, false, true}, {false, true, true}, {true, true, true}, {false, false, false}};
    for (std::size_t i = 0; i < BuffBitmap.size(); ++i) {
        if (!BuffBitmap[i]) BuffBitmap[i] = std::make_unique<TBitmap>();
        TBitmap& buffer = *BuffBitmap[i];
        buffer.SetSize(Width(), Height());
        buffer.SetTransparent(true);
        buffer.SetTransparentColor(Color());
        PaintState(buffer.Canvas(), Looks[i].Down, Looks[i].Hot, Looks[i].Enabled);
    }
    FBufferFilled = true;
}

void TNiceButton::PaintState(TCanvas& canvas, bool isDown, bool hot, bool enabled) {
    if (!Face()) return;
    canvas.Pen().SetColor(Color());
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(Bounds(0, 0, Width(), Height()));
    const int x0 = Picture().Width() >= 1 ? FaceLeft : 0;
    if (HasCaption()) {
        if (HighColorDisplay)
            PaintFace(canvas, isDown, hot, x0);
        else
            PaintLowColorFace(canvas, isDown, hot, x0);
    }
    if (FCaptionV) PaintCaption(canvas, isDown, hot, enabled, x0);
    PaintGlyph(canvas, hot, enabled);
}

void TNiceButton::PaintFace(TCanvas& canvas, bool isDown, bool hot, int x0) {
    const TBitmap& face = *Face();
    const int sw = face.Width() / 9, fh = face.Height(), h3 = fh / 3;
    const int y = (Height() - fh) / 2;
    struct TBand {
        int SourceTop, SourceBottom, DestTop, DestBottom;
        bool OpaqueRightCap;
    };
    const std::vector<TBand> bands =
        FStretch ? std::vector<TBand>{{0, h3, 0, h3, false},
                                      {h3, 2 * h3, h3, h3 + (Height() - sw + 2), true},
                                      {fh - h3, fh, Height() - h3, Height(), false}}
                 : std::vector<TBand>{{0, fh, y, y + fh, false}};
    const int offset = isDown ? 6 * sw : hot ? 3 * sw : 0;
    const int start = FInsideDraw ? 0 : x0;
    const int rightCap = Width() - sw;
    const TColor key = face.Pixel(0, 0);
    for (const TBand& b : bands) {
        const auto source = [&](int slice, int width) { return TRect{offset + slice * sw, b.SourceTop, offset + slice * sw + width, b.SourceBottom}; };
        const auto dest = [&](int x, int width) { return TRect{x, b.DestTop, x + width, b.DestBottom}; };
        DrawTransparentPart(canvas, dest(start, sw), face, source(0, sw), key);
        // The middle is tiled up to the right cap; a last partial tile would
        // otherwise show through the cap's see-through corners.
        for (int x = start + sw, remaining = Width() - 2 * sw - start; remaining > 0; x += sw, remaining -= sw) {
            const int width = std::min(sw, rightCap - x);
            if (width > 0) canvas.CopyRect(dest(x, width), face, source(1, width));
        }
        if (b.OpaqueRightCap)
            canvas.CopyRect(dest(rightCap, sw), face, source(2, sw));
        else
            DrawTransparentPart(canvas, dest(rightCap, sw), face, source(2, sw), key);
    }
}

void TNiceButton::PaintLowColorFace(TCanvas& canvas, bool isDown, bool hot, int x0) {
    const int y = (Height() - Face()->Height()) / 2;
    canvas.Pen().SetColor(static_cast<TColor>(0xA9A9A9));
    canvas.Brush().SetColor(!hot ? LightenColor(Color(), 20) : isDown ? clGray : static_cast<TColor>(0xDFDFDF));
    if (FInsideDraw)
        canvas.Rectangle(0, y, Width(), Height());
    else
        canvas.RoundRect({x0, y, Width(), Height()}, Height() / 3, Height() / 3);
    canvas.Brush().SetColor(Color());
}

void TNiceButton::PaintCaption(TCanvas& canvas, bool isDown, bool hot, bool enabled, int x0) {
    const TBitmap& face = *Face();
    const int halfSlice = face.Width() / 9 / 2;
    canvas.Font().Assign(Font());
    canvas.Font().SetStyle(fsBold);
    const int textHeight = canvas.TextHeight(L"Wg");
    const int top = FStretch ? (Height() - textHeight) / 2
                             : (Height() - face.Height()) / 2 + (face.Height() - textHeight) / 2;
    TRect r{FInsideDraw ? textHeight + InsideDrawMargin + halfSlice : x0 + halfSlice, top, Width() - halfSlice,
            top + textHeight};
    canvas.Brush().SetStyle(bsClear);
    // Not clipped: a caption wider than its room overflows evenly onto the
    // face in every look, with or without its accelerator.
    constexpr UINT format = DT_CENTER | DT_SINGLELINE | DT_NOCLIP;
    const std::wstring caption = Caption();
    if (!enabled) {
        const TColor grey = clSilver;
        canvas.Font().SetColor(grey);
        DrawShortcutText(canvas, WithoutAmpersands(caption), r, false, grey, format);
    } else if (hot) {
        canvas.Font().SetColor(clRed);
        if (isDown) r = r.Offset(1, 1);
        DrawShortcutText(canvas, caption, r, true, clRed, format);
    } else {
        DrawShortcutText(canvas, caption, r, Focused(), clRed, format);
    }
    canvas.Brush().SetStyle(bsSolid);
}

void TNiceButton::PaintGlyph(TCanvas& canvas, bool hot, bool enabled) {
    const TBitmap& picture = Picture();
    if (picture.Empty()) {
        GlyphWidth = GlyphHeight = 0;
        return;
    }
    const int numGlyphs = std::max(FNumGlyphs, 1);
    GlyphWidth = picture.Width() / numGlyphs;
    GlyphHeight = picture.Height();
    if (GlyphWidth <= 0) return;
    const bool caption = HasCaption();
    const int y = (Height() - GlyphHeight) / 2;
    const int x = caption ? (FInsideDraw ? InsideDrawMargin : 34 - GlyphWidth) : (Width() - GlyphWidth) / 2;
    const bool disabled = FBuffered ? !enabled : !Enabled();
    int cell = 0;
    if (numGlyphs > 1 && disabled)
        cell = 1;
    else if (numGlyphs > 2 && hot)
        cell = numGlyphs - 1;
    canvas.Brush().SetColor(Color());
    const TRect dest = FStretch && !caption ? Bounds(0, 0, Width(), Height()) : Bounds(x, y, GlyphWidth, GlyphHeight);
    DrawTransparentPart(canvas, dest, picture, Bounds(cell * GlyphWidth, 0, GlyphWidth, GlyphHeight),
                        picture.Pixel(0, 0));
}
