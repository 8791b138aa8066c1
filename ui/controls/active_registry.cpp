// Form definitions create the active family and the check and radio
// controls, and set their published properties.
#include "ui/controls/active_combo.h"
#include "ui/controls/active_edit.h"
#include "ui/controls/active_memo.h"
#include "ui/controls/check_box.h"
#include "ui/controls/controls_registry.h"
#include "ui/controls/radio_group.h"
#include "ui/platform/platform_classes.h"

namespace {

using V = const TDefValue&;
using X = const TLoadContext&;

// Another label of the form, defined before the control that names it.
TActiveLabel* DefActiveLabel(V v, X x) {
    auto* label = dynamic_cast<TActiveLabel*>(x.Form.FindComponent(v.AsIdent()));
    if (!label) x.Fail(v.Line, L"eticheta \"" + v.AsIdent() + L"\" nu exista (trebuie definita inainte)");
    return label;
}

TLeftRight DefLeftRight(V v, X x) {
    return static_cast<TLeftRight>(x.Enum(v, {{L"taLeftJustify", taLeftJustify}, {L"taRightJustify", taRightJustify}}));
}

template <class T>
void RegisterLabelled(TClassRegistry& r) {
    r.RegisterProperty<T>(L"AssocLabel", [](T& c, V v, X x) { c.SetAssocLabel(DefActiveLabel(v, x)); });
    r.RegisterProperty<T>(L"LabelColor", [](T& c, V v, X x) { c.SetLabelColor(DefColor(v, x)); });
}

template <class T>
void RegisterFlatBorder(TClassRegistry& r) {
    r.RegisterProperty<T>(L"BorderColor", [](T& c, V v, X x) { c.SetBorderColor(DefColor(v, x)); });
    r.RegisterProperty<T>(L"BorderColorF", [](T& c, V v, X x) { c.SetBorderColorF(DefColor(v, x)); });
    r.RegisterProperty<T>(L"FlatStyle", [](T& c, V v, X) { c.SetFlatStyle(v.AsBool()); });
    r.RegisterProperty<T>(L"BevelOuter", [](T& c, V v, X x) { c.SetBevelOuter(DefBevelCut(v, x)); });
}

}  // namespace

void RegisterActiveControls(TClassRegistry& r) {
    r.RegisterClass<TActiveLabel>(L"TActiveLabel");
    r.RegisterProperty<TActiveLabel>(L"Autosize", [](TActiveLabel& c, V v, X) { c.SetAutoSize(v.AsBool()); });

    r.RegisterClass<TActiveEdit>(L"TActiveEdit");
    RegisterLabelled<TActiveEdit>(r);
    RegisterFlatBorder<TActiveEdit>(r);
    r.RegisterProperty<TActiveEdit>(L"Alignment", [](TActiveEdit& c, V v, X x) { c.SetAlignment(DefAlignment(v, x)); });

    r.RegisterClass<TActiveMemo>(L"TActiveMemo");
    RegisterLabelled<TActiveMemo>(r);
    r.RegisterProperty<TActiveMemo>(L"FaraAddWiz", [](TActiveMemo& c, V v, X) { c.FaraAddWiz = v.AsBool(); });

    r.RegisterClass<TActiveCombo>(L"TActiveCombo");
    RegisterLabelled<TActiveCombo>(r);
    RegisterFlatBorder<TActiveCombo>(r);
    r.RegisterProperty<TActiveCombo>(L"BorderStyle", [](TActiveCombo& c, V v, X x) { c.SetBorderStyle(DefBorderStyle(v, x)); });
    r.RegisterProperty<TActiveCombo>(L"AutoComplete", [](TActiveCombo& c, V v, X) { c.SetAutoComplete(v.AsBool()); });
    r.RegisterProperty<TActiveCombo>(L"ArrowColor", [](TActiveCombo& c, V v, X x) { c.SetArrowColor(DefColor(v, x)); });
    r.RegisterProperty<TActiveCombo>(L"ButtonColor", [](TActiveCombo& c, V v, X x) { c.SetButtonColor(DefColor(v, x)); });
}

void RegisterCheckControls(TClassRegistry& r) {
    r.RegisterClass<TActiveCheckBox>(L"TActiveCheckBox");
    r.RegisterProperty<TMCustomCheckBox>(L"Alignment", [](TMCustomCheckBox& c, V v, X x) { c.SetAlignment(DefLeftRight(v, x)); });
    r.RegisterProperty<TMCustomCheckBox>(L"AllowGrayed", [](TMCustomCheckBox& c, V v, X) { c.SetAllowGrayed(v.AsBool()); });
    r.RegisterProperty<TMCustomCheckBox>(L"State", [](TMCustomCheckBox& c, V v, X x) {
        c.SetState(static_cast<TCheckBoxState>(
            x.Enum(v, {{L"cbUnchecked", cbUnchecked}, {L"cbChecked", cbChecked}, {L"cbGrayed", cbGrayed}})));
    });
    r.RegisterProperty<TMCustomCheckBox>(L"Checked", [](TMCustomCheckBox& c, V v, X) { c.SetChecked(v.AsBool()); });
    r.RegisterProperty<TMCustomCheckBox>(L"Glyph", [](TMCustomCheckBox& c, V v, X) { c.SetGlyph(DefGlyph(v)); });
    r.RegisterProperty<TMCustomCheckBox>(L"CustomGlyph", [](TMCustomCheckBox& c, V v, X) { c.SetCustomGlyph(v.AsBool()); });

    r.RegisterClass<TMRadioButton>(L"TMRadioButton");
    r.RegisterProperty<TMRadioButton>(L"Alignment", [](TMRadioButton& c, V v, X x) { c.SetAlignment(DefLeftRight(v, x)); });
    r.RegisterProperty<TMRadioButton>(L"Checked", [](TMRadioButton& c, V v, X) { c.SetChecked(v.AsBool()); });

    r.RegisterClass<TMRadioGroup>(L"TMRadioGroup");
    r.RegisterProperty<TMCustomRadioGroup>(L"Columns", [](TMCustomRadioGroup& c, V v, X) { c.SetColumns(v.AsInt()); });
    r.RegisterProperty<TMCustomRadioGroup>(L"ItemIndex", [](TMCustomRadioGroup& c, V v, X) { c.SetItemIndex(v.AsInt()); });
    r.RegisterProperty<TMCustomRadioGroup>(L"Items", [](TMCustomRadioGroup& c, V v, X) { c.Items().Assign(v.AsStrings()); });
    r.RegisterEvent(L"OnModify", &TMCustomRadioGroup::OnModify);
}
