#include "ui/html/html_forms.h"

#include <algorithm>
#include <cwchar>

#include "ui/html/html_document.h"

namespace {

TControlKind InputKind(const std::wstring& type) {
    std::wstring t = type;
    for (wchar_t& c : t)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (t == L"password") return TControlKind::Password;
    if (t == L"checkbox") return TControlKind::Checkbox;
    if (t == L"radio") return TControlKind::Radio;
    if (t == L"submit" || t == L"image") return TControlKind::Submit;
    if (t == L"reset") return TControlKind::Reset;
    if (t == L"button") return TControlKind::Button;
    if (t == L"hidden") return TControlKind::Hidden;
    return TControlKind::Text;
}

int NumberOr(const THtmlNode& node, const wchar_t* name, int fallback, int low, int high) {
    const std::wstring* v = node.Attribute(name);
    if (!v) return fallback;
    const long n = std::wcstol(v->c_str(), nullptr, 10);
    return n < low ? fallback : static_cast<int>(std::min<long>(n, high));
}

std::wstring CollapsedText(const THtmlNode& node) {
    std::wstring out;
    bool space = false;
    for (wchar_t c : node.InnerText()) {
        if (c == L' ' || c == L'\t' || c == L'\n' || c == L'\r') {
            space = !out.empty();
            continue;
        }
        if (space) out += L' ';
        space = false;
        out += c;
    }
    return out;
}

class TCollector {
public:
    explicit TCollector(THtmlForms& forms) : FForms(forms) {}

    void Walk(THtmlNode& node, int form) {
        if (node.Tag == THtmlTag::Form) {
            FForms.Forms.push_back({node.AttributeOr(L"action"), node.AttributeOr(L"target"),
                                    node.AttributeOr(L"enctype", L"application/x-www-form-urlencoded"),
                                    node.AttributeOr(L"method", L"get")});
            form = static_cast<int>(FForms.Forms.size() - 1);
        }
        switch (node.Tag) {
        case THtmlTag::Input: Add(node, Input(node), form); return;
        case THtmlTag::Textarea: Add(node, TextArea(node), form); return;
        case THtmlTag::Select: Add(node, Select(node), form); return;
        case THtmlTag::Button: Add(node, Button(node), form); return;
        default: break;
        }
        for (auto& child : node.Children) Walk(*child, form);
    }

private:
    void Add(THtmlNode& node, THtmlFormControl control, int form) {
        control.Form = form;
        control.Name = node.AttributeOr(L"name");
        control.InitialValue = control.Value;
        control.InitiallyChecked = control.Checked;
        control.InitialSelected = control.Selected;
        node.Control = static_cast<int>(FForms.Controls.size());
        FForms.Controls.push_back(std::move(control));
    }

    static THtmlFormControl Input(const THtmlNode& node) {
        THtmlFormControl c;
        c.Kind = InputKind(node.AttributeOr(L"type"));
        c.Checked = node.HasAttribute(L"checked");
        c.Size = NumberOr(node, L"size", 20, 1, 200);
        switch (c.Kind) {
        case TControlKind::Checkbox: case TControlKind::Radio: c.Value = node.AttributeOr(L"value", L"on"); break;
        case TControlKind::Submit: c.Value = node.AttributeOr(L"value", L"Trimite"); break;
        case TControlKind::Reset: c.Value = node.AttributeOr(L"value", L"Reset"); break;
        default: c.Value = node.AttributeOr(L"value"); break;
        }
        return c;
    }

    static THtmlFormControl TextArea(const THtmlNode& node) {
        THtmlFormControl c;
        c.Kind = TControlKind::TextArea;
        c.Value = node.InnerText();
        if (c.Value.starts_with(L"\r\n")) c.Value.erase(0, 2);
        else if (c.Value.starts_with(L"\n")) c.Value.erase(0, 1);
        c.Rows = NumberOr(node, L"rows", 2, 1, 200);
        c.Cols = NumberOr(node, L"cols", 20, 1, 500);
        return c;
    }

    static void AddOptions(const THtmlNode& node, THtmlFormControl& c) {
        for (const auto& child : node.Children) {
            if (child->Tag == THtmlTag::Optgroup) {
                AddOptions(*child, c);
                continue;
            }
            if (child->Tag != THtmlTag::Option) continue;
            const std::wstring text = CollapsedText(*child);
            if (child->HasAttribute(L"selected")) c.Selected = static_cast<int>(c.Options.size());
            c.Options.emplace_back(child->AttributeOr(L"value", text), text);
        }
    }

    static THtmlFormControl Select(const THtmlNode& node) {
        THtmlFormControl c;
        c.Kind = TControlKind::Select;
        c.Size = NumberOr(node, L"size", 1, 1, 100);
        AddOptions(node, c);
        return c;
    }

    static THtmlFormControl Button(const THtmlNode& node) {
        THtmlFormControl c;
        const std::wstring type = node.AttributeOr(L"type", L"submit");
        c.Kind = InputKind(type) == TControlKind::Reset ? TControlKind::Reset
                 : InputKind(type) == TControlKind::Button ? TControlKind::Button
                                                           : TControlKind::Submit;
        c.Value = CollapsedText(node);
        return c;
    }

    THtmlForms& FForms;
};

}  // namespace

void THtmlForms::Collect(THtmlDocument& doc) {
    Forms.clear();
    Controls.clear();
    TCollector collector(*this);
    for (auto& child : doc.Root.Children) collector.Walk(*child, -1);
}

bool THtmlForms::Click(int index) {
    if (index < 0 || index >= static_cast<int>(Controls.size())) return false;
    THtmlFormControl& c = Controls[static_cast<std::size_t>(index)];
    if (c.Kind == TControlKind::Checkbox) {
        c.Checked = !c.Checked;
        return true;
    }
    if (c.Kind != TControlKind::Radio || c.Checked) return false;
    for (THtmlFormControl& other : Controls)
        if (other.Kind == TControlKind::Radio && other.Form == c.Form && other.Name == c.Name) other.Checked = false;
    c.Checked = true;
    return true;
}

bool THtmlForms::CycleOption(int index) {
    if (index < 0 || index >= static_cast<int>(Controls.size())) return false;
    THtmlFormControl& c = Controls[static_cast<std::size_t>(index)];
    if (c.Kind != TControlKind::Select || c.Options.size() < 2) return false;
    c.Selected = (c.Selected + 1) % static_cast<int>(c.Options.size());
    return true;
}

std::vector<std::wstring> THtmlForms::Fields(int form, int submitter) const {
    std::vector<std::wstring> fields;
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const THtmlFormControl& c = Controls[i];
        if (c.Form != form || c.Name.empty()) continue;
        switch (c.Kind) {
        case TControlKind::Checkbox: case TControlKind::Radio:
            if (c.Checked) fields.push_back(c.Name + L"=" + c.Value);
            break;
        case TControlKind::Select:
            if (!c.Options.empty())
                fields.push_back(c.Name + L"=" + c.Options[static_cast<std::size_t>(c.Selected)].first);
            break;
        case TControlKind::Submit:
            if (static_cast<int>(i) == submitter) fields.push_back(c.Name + L"=" + c.Value);
            break;
        case TControlKind::Reset: case TControlKind::Button: break;
        default: fields.push_back(c.Name + L"=" + c.Value); break;
        }
    }
    return fields;
}

void THtmlForms::Reset(int form) {
    for (THtmlFormControl& c : Controls) {
        if (c.Form != form) continue;
        c.Value = c.InitialValue;
        c.Checked = c.InitiallyChecked;
        c.Selected = c.InitialSelected;
    }
}
