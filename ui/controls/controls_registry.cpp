#include "ui/controls/controls_registry.h"

#include "ui/controls/fmt_label.h"
#include "ui/controls/mbutton.h"
#include "ui/controls/nice_button.h"
#include "ui/controls/trans_image.h"
#include "ui/controls/zarv_tab_ctrl.h"
#include "ui/base/image_container.h"
#include "ui/platform/platform_classes.h"
#include "ui/platform/sysutils.h"

TMButtonKind DefKind(const TDefValue& v, const TLoadContext& x) {
    if (v.IsInt()) {
        if (!IsButtonKind(v.AsInt())) x.Fail(v.Line, L"tip de buton necunoscut " + std::to_wstring(v.AsInt()));
        return static_cast<TMButtonKind>(v.AsInt());
    }
    for (std::size_t i = 0; i < KindNames.size(); ++i)
        if (SameTextAscii(KindNames[i], v.AsIdent())) return static_cast<TMButtonKind>(i);
    x.Fail(v.Line, L"tip de buton necunoscut \"" + v.AsIdent() + L"\"");
}

namespace {

using V = const TDefValue&;
using X = const TLoadContext&;

TButtonLayout DefLayout(V v, X x) {
    return static_cast<TButtonLayout>(x.Enum(v, {{L"blGlyphLeft", blGlyphLeft}, {L"blGlyphRight", blGlyphRight},
                                                 {L"blGlyphTop", blGlyphTop}, {L"blGlyphBottom", blGlyphBottom}}));
}

}  // namespace

TBitmap DefGlyph(const TDefValue& v) {
    TBitmap glyph;
    const std::wstring& name = v.AsString();
    if (name.empty()) return glyph;
    if (const TBitmap& picture = ContainerPicture(name); !picture.Empty()) {
        glyph.Assign(picture);
        return glyph;
    }
    glyph.LoadFromResourceName(GetModuleHandleW(nullptr), name);
    return glyph;
}

namespace {

// What both buttons publish under the same names.
template <class T>
void RegisterCommonButton(TClassRegistry& r) {
    r.RegisterProperty<T>(L"Kind", [](T& c, V v, X x) { c.SetKind(DefKind(v, x)); });
    r.RegisterProperty<T>(L"ModalResult", [](T& c, V v, X x) { c.SetModalResult(DefModalResult(v, x)); });
    r.RegisterProperty<T>(L"Glyph", [](T& c, V v, X) { c.SetGlyph(DefGlyph(v)); });
    r.RegisterProperty<T>(L"CaptionVisible", [](T& c, V v, X) { c.SetCaptionVisible(v.AsBool()); });
    r.RegisterProperty<T>(L"NumGlyphs", [](T& c, V v, X) { c.SetNumGlyphs(v.AsInt()); });
    r.RegisterProperty<T>(L"ButtonLayout", [](T& c, V v, X x) { c.SetButtonLayout(DefLayout(v, x)); });
    r.RegisterProperty<T>(L"FaraAddWiz", [](T& c, V v, X) { c.FaraAddWiz = v.AsBool(); });
}

void RegisterMButton(TClassRegistry& r) {
    r.RegisterClass<TMButton>(L"TMButton");
    RegisterCommonButton<TMButton>(r);
    r.RegisterProperty<TMButton>(L"ColorOver", [](TMButton& c, V v, X x) { c.SetColorOver(DefColor(v, x)); });
    r.RegisterProperty<TMButton>(L"LightButton", [](TMButton& c, V v, X) { c.SetLightButton(v.AsBool()); });
    r.RegisterProperty<TMButton>(L"Style", [](TMButton& c, V v, X x) {
        c.SetStyle(static_cast<TButtonStyle>(
            x.Enum(v, {{L"bsAutoDetect", bsAutoDetect}, {L"bsWin31", bsWin31}, {L"bsNew", bsNew}})));
    });
    r.RegisterProperty<TMButton>(L"Delta", [](TMButton& c, V v, X) { c.SetDelta(v.AsInt()); });
    r.RegisterProperty<TMButton>(L"Margin", [](TMButton& c, V v, X) { c.SetMargin(v.AsInt()); });
    r.RegisterProperty<TMButton>(L"Spacing", [](TMButton& c, V v, X) { c.SetSpacing(v.AsInt()); });
}

void RegisterNiceButton(TClassRegistry& r) {
    r.RegisterClass<TNiceButton>(L"TNiceButton");
    RegisterCommonButton<TNiceButton>(r);
    r.RegisterProperty<TNiceButton>(L"Caption", [](TNiceButton& c, V v, X) { c.SetCaption(v.AsString()); });
    r.RegisterProperty<TNiceButton>(L"ForcedDown", [](TNiceButton& c, V v, X) { c.SetForcedDown(v.AsBool()); });
    r.RegisterProperty<TNiceButton>(L"InsideDraw", [](TNiceButton& c, V v, X) { c.SetInsideDraw(v.AsBool()); });
    r.RegisterProperty<TNiceButton>(L"Stretch", [](TNiceButton& c, V v, X) { c.SetStretch(v.AsBool()); });
    r.RegisterProperty<TNiceButton>(L"Buffered", [](TNiceButton& c, V v, X) { c.SetBuffered(v.AsBool()); });
    r.RegisterProperty<TNiceButton>(L"InvisibleClick",
                                    [](TNiceButton& c, V v, X) { c.SetInvisibleClick(v.AsBool()); });
}

}  // namespace

void RegisterControlClasses(TClassRegistry& registry) {
    if (registry.IsRegistered(L"TMButton")) return;
    RegisterMButton(registry);
    RegisterNiceButton(registry);
    RegisterFmtLabel(registry);
    RegisterPictureControls(registry);
    RegisterTabControl(registry);
    RegisterActiveControls(registry);
    RegisterCheckControls(registry);
}
