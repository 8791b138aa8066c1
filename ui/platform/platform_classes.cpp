// The properties and events that definitions can set on the library's own
// classes. Each control family registers its classes in its own file; this
// one covers what every control and every form has.
#include "ui/platform/platform_classes.h"

#include "ui/platform/form_definition.h"
#include "ui/platform/forms.h"

TColor DefColor(const TDefValue& value, const TLoadContext& context) {
    if (value.IsInt()) return static_cast<TColor>(value.AsInt());
    TColor color;
    if (!IdentToColor(value.AsIdent(), color)) context.Fail(value.Line, L"culoare necunoscuta \"" + value.AsIdent() + L"\"");
    return color;
}

TFontStyles DefFontStyles(const TDefValue& value, const TLoadContext& context) {
    const unsigned bits = context.Flags(value, {{L"fsBold", 1}, {L"fsItalic", 2}, {L"fsUnderline", 4}, {L"fsStrikeOut", 8}});
    TFontStyles styles;
    const TFontStyle all[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
    for (unsigned i = 0; i < 4; ++i)
        if (bits & (1u << i)) styles.Include(all[i]);
    return styles;
}

TAlignment DefAlignment(const TDefValue& value, const TLoadContext& context) {
    return static_cast<TAlignment>(
        context.Enum(value, {{L"taLeftJustify", taLeftJustify}, {L"taRightJustify", taRightJustify}, {L"taCenter", taCenter}}));
}

int DefModalResult(const TDefValue& value, const TLoadContext& context) {
    if (value.IsInt()) return value.AsInt();
    return context.Enum(value, {{L"mrNone", mrNone}, {L"mrOk", mrOk}, {L"mrCancel", mrCancel}, {L"mrAbort", mrAbort},
                                {L"mrRetry", mrRetry}, {L"mrIgnore", mrIgnore}, {L"mrYes", mrYes}, {L"mrNo", mrNo},
                                {L"mrAll", mrAll}, {L"mrNoToAll", mrNoToAll}, {L"mrYesToAll", mrYesToAll}});
}

TBorderStyle DefBorderStyle(const TDefValue& value, const TLoadContext& context) {
    return static_cast<TBorderStyle>(context.Enum(value, {{L"bsNone", bsNone}, {L"bsSingle", bsSingle}}));
}

TBevelCut DefBevelCut(const TDefValue& value, const TLoadContext& context) {
    return static_cast<TBevelCut>(context.Enum(
        value, {{L"bvNone", bvNone}, {L"bvLowered", bvLowered}, {L"bvRaised", bvRaised}, {L"bvSpace", bvSpace}}));
}

namespace {

template <class T>
void RegisterFontProperties(TClassRegistry& r, TFont& (*font)(T&)) {
    r.RegisterProperty<T>(L"Font.Name", [font](T& c, const TDefValue& v, const TLoadContext&) { font(c).SetName(v.AsString()); });
    r.RegisterProperty<T>(L"Font.Height", [font](T& c, const TDefValue& v, const TLoadContext&) { font(c).SetHeight(v.AsInt()); });
    r.RegisterProperty<T>(L"Font.Size", [font](T& c, const TDefValue& v, const TLoadContext&) { font(c).SetSize(v.AsInt()); });
    r.RegisterProperty<T>(L"Font.Color",
                          [font](T& c, const TDefValue& v, const TLoadContext& x) { font(c).SetColor(DefColor(v, x)); });
    r.RegisterProperty<T>(L"Font.Style",
                          [font](T& c, const TDefValue& v, const TLoadContext& x) { font(c).SetStyle(DefFontStyles(v, x)); });
    r.RegisterProperty<T>(L"Font.Charset", [font](T& c, const TDefValue& v, const TLoadContext& x) {
        font(c).SetCharset(static_cast<BYTE>(v.IsInt() ? v.AsInt()
                                                        : x.Enum(v, {{L"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                                                     {L"ANSI_CHARSET", ANSI_CHARSET},
                                                                     {L"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
                                                                     {L"SYMBOL_CHARSET", SYMBOL_CHARSET},
                                                                     {L"OEM_CHARSET", OEM_CHARSET}})));
    });
}

void RegisterControl(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterProperty<TComponent>(L"Tag", [](TComponent& c, V v, X) { c.Tag = v.AsInt(); });
    r.RegisterProperty<TControl>(L"Left", [](TControl& c, V v, X) { c.SetLeft(v.AsInt()); });
    r.RegisterProperty<TControl>(L"Top", [](TControl& c, V v, X) { c.SetTop(v.AsInt()); });
    r.RegisterProperty<TControl>(L"Width", [](TControl& c, V v, X) { c.SetWidth(v.AsInt()); });
    r.RegisterProperty<TControl>(L"Height", [](TControl& c, V v, X) { c.SetHeight(v.AsInt()); });
    r.RegisterProperty<TControl>(L"ClientWidth", [](TControl& c, V v, X) { c.SetClientWidth(v.AsInt()); });
    r.RegisterProperty<TControl>(L"ClientHeight", [](TControl& c, V v, X) { c.SetClientHeight(v.AsInt()); });
    r.RegisterProperty<TControl>(L"Caption", [](TControl& c, V v, X) { c.SetCaption(v.AsString()); });
    r.RegisterProperty<TControl>(L"Text", [](TControl& c, V v, X) { c.SetText(v.AsString()); });
    r.RegisterProperty<TControl>(L"Color", [](TControl& c, V v, X x) { c.SetColor(DefColor(v, x)); });
    r.RegisterProperty<TControl>(L"ParentColor", [](TControl& c, V v, X) { c.SetParentColor(v.AsBool()); });
    r.RegisterProperty<TControl>(L"ParentFont", [](TControl& c, V v, X) { c.SetParentFont(v.AsBool()); });
    r.RegisterProperty<TControl>(L"Visible", [](TControl& c, V v, X) { c.SetVisible(v.AsBool()); });
    r.RegisterProperty<TControl>(L"Enabled", [](TControl& c, V v, X) { c.SetEnabled(v.AsBool()); });
    r.RegisterProperty<TControl>(L"Hint", [](TControl& c, V v, X) { c.Hint = v.AsString(); });
    r.RegisterProperty<TControl>(L"ShowHint", [](TControl& c, V v, X) { c.ShowHint = v.AsBool(); });
    r.RegisterProperty<TControl>(L"ParentShowHint", [](TControl& c, V v, X) { c.ParentShowHint = v.AsBool(); });
    r.RegisterProperty<TControl>(L"Align", [](TControl& c, V v, X x) {
        c.SetAlign(static_cast<TAlign>(x.Enum(v, {{L"alNone", alNone}, {L"alTop", alTop}, {L"alBottom", alBottom},
                                                  {L"alLeft", alLeft}, {L"alRight", alRight}, {L"alClient", alClient}})));
    });
    r.RegisterProperty<TControl>(L"Anchors", [](TControl& c, V v, X x) {
        c.SetAnchors(x.Flags(v, {{L"akLeft", akLeft}, {L"akTop", akTop}, {L"akRight", akRight}, {L"akBottom", akBottom}}));
    });
    r.RegisterProperty<TControl>(L"Cursor", [](TControl& c, V v, X x) {
        c.Cursor = static_cast<TCursor>(x.Enum(v, {{L"crDefault", crDefault}, {L"crArrow", crArrow}, {L"crCross", crCross},
                                                   {L"crIBeam", crIBeam}, {L"crSizeAll", crSizeAll},
                                                   {L"crHourGlass", crHourGlass}, {L"crNo", crNo},
                                                   {L"crHandPoint", crHandPoint}}));
    });
    r.RegisterProperty<TControl>(L"Constraints.MinWidth", [](TControl& c, V v, X) { c.Constraints().MinWidth = v.AsInt(); });
    r.RegisterProperty<TControl>(L"Constraints.MinHeight", [](TControl& c, V v, X) { c.Constraints().MinHeight = v.AsInt(); });
    r.RegisterProperty<TControl>(L"Constraints.MaxWidth", [](TControl& c, V v, X) { c.Constraints().MaxWidth = v.AsInt(); });
    r.RegisterProperty<TControl>(L"Constraints.MaxHeight", [](TControl& c, V v, X) { c.Constraints().MaxHeight = v.AsInt(); });
    RegisterFontProperties<TControl>(r, [](TControl& c) -> TFont& { return c.Font(); });
    r.RegisterEvent(L"OnClick", &TControl::OnClick);
    r.RegisterEvent(L"OnDblClick", &TControl::OnDblClick);
    r.RegisterEvent(L"OnResize", &TControl::OnResize);
    r.RegisterEvent(L"OnMouseDown", &TControl::OnMouseDown);
    r.RegisterEvent(L"OnMouseUp", &TControl::OnMouseUp);
    r.RegisterEvent(L"OnMouseMove", &TControl::OnMouseMove);
    r.RegisterEvent(L"OnMouseEnter", &TControl::OnMouseEnter);
    r.RegisterEvent(L"OnMouseLeave", &TControl::OnMouseLeave);

    r.RegisterProperty<TWinControl>(L"TabOrder", [](TWinControl& c, V v, X) { c.SetTabOrder(v.AsInt()); });
    r.RegisterProperty<TWinControl>(L"TabStop", [](TWinControl& c, V v, X) { c.SetTabStop(v.AsBool()); });
    r.RegisterProperty<TWinControl>(L"DoubleBuffered", [](TWinControl& c, V v, X) { c.DoubleBuffered = v.AsBool(); });
    r.RegisterProperty<TWinControl>(L"Ctl3D", [](TWinControl& c, V v, X) { c.SetCtl3D(v.AsBool()); });
    r.RegisterEvent(L"OnKeyDown", &TWinControl::OnKeyDown);
    r.RegisterEvent(L"OnKeyUp", &TWinControl::OnKeyUp);
    r.RegisterEvent(L"OnKeyPress", &TWinControl::OnKeyPress);
    r.RegisterEvent(L"OnEnter", &TWinControl::OnEnter);
    r.RegisterEvent(L"OnExit", &TWinControl::OnExit);
}

void RegisterForm(TClassRegistry& r) {
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterProperty<TCustomForm>(L"BorderStyle", [](TCustomForm& f, V v, X x) {
        f.SetBorderStyle(static_cast<TFormBorderStyle>(
            x.Enum(v, {{L"bsNone", bsNone}, {L"bsSingle", bsSingle}, {L"bsSizeable", bsSizeable}, {L"bsDialog", bsDialog},
                       {L"bsToolWindow", bsToolWindow}, {L"bsSizeToolWin", bsSizeToolWin}})));
    });
    r.RegisterProperty<TCustomForm>(L"BorderIcons", [](TCustomForm& f, V v, X x) {
        f.SetBorderIcons(x.Flags(v, {{L"biSystemMenu", biSystemMenu}, {L"biMinimize", biMinimize},
                                     {L"biMaximize", biMaximize}, {L"biHelp", biHelp}}));
    });
    r.RegisterProperty<TCustomForm>(L"FormStyle", [](TCustomForm& f, V v, X x) {
        f.SetFormStyle(static_cast<TFormStyle>(x.Enum(v, {{L"fsNormal", fsNormal}, {L"fsStayOnTop", fsStayOnTop}})));
    });
    r.RegisterProperty<TCustomForm>(L"Position", [](TCustomForm& f, V v, X x) {
        f.Position = static_cast<TPosition>(
            x.Enum(v, {{L"poDesigned", poDesigned}, {L"poScreenCenter", poScreenCenter},
                       {L"poMainFormCenter", poMainFormCenter}, {L"poOwnerFormCenter", poOwnerFormCenter},
                       {L"poDefault", poDefault}}));
    });
    r.RegisterProperty<TCustomForm>(L"KeyPreview", [](TCustomForm& f, V v, X) { f.KeyPreview = v.AsBool(); });
    r.RegisterProperty<TCustomForm>(L"WindowState", [](TCustomForm& f, V v, X x) {
        f.WindowState = static_cast<TWindowState>(
            x.Enum(v, {{L"wsNormal", wsNormal}, {L"wsMinimized", wsMinimized}, {L"wsMaximized", wsMaximized}}));
    });
    r.RegisterProperty<TCustomForm>(L"BorderWidth", [](TCustomForm& f, V v, X) { f.SetBorderWidth(v.AsInt()); });
    r.RegisterProperty<TCustomForm>(L"PixelsPerInch", [](TCustomForm& f, V v, X) { f.PixelsPerInch = v.AsInt(); });
    r.RegisterProperty<TCustomForm>(L"Scaled", [](TCustomForm& f, V v, X) { f.Scaled = v.AsBool(); });
    r.RegisterEvent(L"OnCreate", &TCustomForm::OnCreate);
    r.RegisterEvent(L"OnShow", &TCustomForm::OnShow);
    r.RegisterEvent(L"OnHide", &TCustomForm::OnHide);
    r.RegisterEvent(L"OnActivate", &TCustomForm::OnActivate);
    r.RegisterEvent(L"OnDeactivate", &TCustomForm::OnDeactivate);
    r.RegisterEvent(L"OnDestroy", &TCustomForm::OnDestroy);
    r.RegisterEvent(L"OnPaint", &TCustomForm::OnPaint);
    r.RegisterEvent(L"OnClose", &TCustomForm::OnClose);
    r.RegisterEvent(L"OnCloseQuery", &TCustomForm::OnCloseQuery);
    r.RegisterEvent(L"OnMouseWheel", &TCustomForm::OnMouseWheel);
    r.RegisterEvent(L"OnMouseWheelDown", &TCustomForm::OnMouseWheelDown);
    r.RegisterEvent(L"OnMouseWheelUp", &TCustomForm::OnMouseWheelUp);
    r.RegisterClass<TForm>(L"TForm");
}

}  // namespace

void RegisterPlatformClasses(TClassRegistry& registry) {
    RegisterControl(registry);
    RegisterForm(registry);
    RegisterStandardControlClasses(registry);
    RegisterImageControl(registry);
}
