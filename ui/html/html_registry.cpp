#include "ui/html/html_registry.h"

#include "ui/html/frame_viewer.h"

void RegisterHtmlClasses(TClassRegistry& r) {
    if (r.IsRegistered(L"TFrameViewer")) return;
    using V = const TDefValue&;
    using X = const TLoadContext&;
    r.RegisterClass<TFrameViewer>(L"TFrameViewer");
    r.RegisterProperty<TFrameViewer>(L"DefaultFontName", [](TFrameViewer& c, V v, X) { c.SetDefaultFontName(v.AsString()); });
    r.RegisterProperty<TFrameViewer>(L"PreFontName", [](TFrameViewer& c, V v, X) { c.SetPreFontName(v.AsString()); });
    r.RegisterProperty<TFrameViewer>(L"BorderStyle", [](TFrameViewer& c, V v, X x) {
        c.SetBorderStyle(static_cast<THtmlBorderStyle>(x.Enum(v, {{L"bsNone", hbsNone}, {L"bsSingle", hbsSingle}})));
    });
    r.RegisterProperty<TFrameViewer>(L"NoFocusRect", [](TFrameViewer& c, V v, X) { c.NoFocusRect = v.AsBool(); });
    r.RegisterProperty<TFrameViewer>(L"HistoryMaxCount", [](TFrameViewer& c, V v, X) { c.HistoryMaxCount = v.AsInt(); });
    r.RegisterProperty<TFrameViewer>(L"NoSelect", [](TFrameViewer& c, V v, X) { c.NoSelect = v.AsBool(); });
    r.RegisterEvent(L"OnFormSubmit", &TFrameViewer::OnFormSubmit);
}
