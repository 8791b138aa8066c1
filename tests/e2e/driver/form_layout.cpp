#include "tests/e2e/driver/form_layout.h"

#include <algorithm>

#include "tests/e2e/driver/driver_error.h"

namespace e2e {

namespace {

enum { alNone, alTop, alBottom, alLeft, alRight, alClient };

const TDefValue* Property(const TDefObject& object, std::wstring_view name) {
    for (const TDefProperty& p : object.Properties)
        if (SameTextAscii(p.Name, name)) return &p.Value;
    return nullptr;
}

int IntProperty(const TDefObject& object, std::wstring_view name, int fallback) {
    const TDefValue* v = Property(object, name);
    return v && v->IsInt() ? v->AsInt() : fallback;
}

std::wstring IdentProperty(const TDefObject& object, std::wstring_view name, std::wstring_view fallback) {
    const TDefValue* v = Property(object, name);
    return v && v->IsIdent() ? v->AsIdent() : std::wstring(fallback);
}

int AlignOf(const TDefObject& object) {
    const std::wstring name = IdentProperty(object, L"Align", L"alNone");
    const wchar_t* names[] = {L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient"};
    for (int i = 0; i < 6; ++i)
        if (SameTextAscii(name, names[i])) return i;
    return alNone;
}

// Panels keep their aligned children inside their bevels and border.
int ClientInset(const TDefObject& object) {
    if (!SameTextAscii(object.ClassName, L"TPanel") && !SameTextAscii(object.ClassName, L"TMovePanel")) return 0;
    const int bevel = IntProperty(object, L"BevelWidth", 1);
    int inset = IntProperty(object, L"BorderWidth", 0);
    if (!SameTextAscii(IdentProperty(object, L"BevelOuter", L"bvRaised"), L"bvNone")) inset += bevel;
    if (!SameTextAscii(IdentProperty(object, L"BevelInner", L"bvNone"), L"bvNone")) inset += bevel;
    return inset;
}

}  // namespace

TFormLayout::TFormLayout(const TDefObject& form, int screenPpi, std::optional<TSize> clientSize) {
    AddNode(form, -1);
    TNode& root = FNodes.front();
    const bool borderless = SameTextAscii(IdentProperty(form, L"BorderStyle", L"bsSizeable"), L"bsNone");
    const TDefValue* width = Property(form, L"ClientWidth");
    const TDefValue* height = Property(form, L"ClientHeight");
    root.Width = width ? width->AsInt() : borderless ? root.Width : 0;
    root.Height = height ? height->AsInt() : borderless ? root.Height : 0;
    root.Left = root.Top = 0;
    root.HasWidth = root.HasHeight = true;
    root.Align = alNone;

    const int ppi = IntProperty(form, L"PixelsPerInch", 96);
    const TDefValue* scaled = Property(form, L"Scaled");
    AlignTree(0);
    if ((!scaled || scaled->AsBool()) && ppi != screenPpi && ppi > 0) Scale(screenPpi, ppi);
    if (clientSize) {
        FNodes.front().Width = clientSize->cx;
        FNodes.front().Height = clientSize->cy;
    }
    AlignTree(0);
}

void TFormLayout::AddNode(const TDefObject& object, int parent) {
    TNode node;
    node.Name = object.Name;
    node.ClassName = object.ClassName;
    node.Left = IntProperty(object, L"Left", 0);
    node.Top = IntProperty(object, L"Top", 0);
    node.HasWidth = Property(object, L"Width") != nullptr;
    node.HasHeight = Property(object, L"Height") != nullptr;
    node.Width = IntProperty(object, L"Width", 0);
    node.Height = IntProperty(object, L"Height", 0);
    node.Align = AlignOf(object);
    const TDefValue* visible = Property(object, L"Visible");
    node.Visible = !visible || visible->AsBool();
    node.Inset = ClientInset(object);
    node.Parent = parent;
    const int index = static_cast<int>(FNodes.size());
    FNodes.push_back(std::move(node));
    if (parent >= 0) FNodes[parent].Children.push_back(index);
    for (const TDefObject& child : object.Children) AddNode(child, index);
}

void TFormLayout::AlignTree(int node) {
    AlignChildren(FNodes[node]);
    for (int child : std::vector<int>(FNodes[node].Children)) AlignTree(child);
}

void TFormLayout::AlignChildren(TNode& parent) {
    TRect rect{parent.Inset, parent.Inset, parent.Width - parent.Inset, parent.Height - parent.Inset};
    for (int align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TNode*> list;
        for (int child : parent.Children)
            if (FNodes[child].Align == align && FNodes[child].Visible) list.push_back(&FNodes[child]);
        std::stable_sort(list.begin(), list.end(), [align](const TNode* a, const TNode* b) {
            switch (align) {
            case alTop: return a->Top < b->Top;
            case alBottom: return a->Top + a->Height > b->Top + b->Height;
            case alLeft: return a->Left < b->Left;
            case alRight: return a->Left + a->Width > b->Left + b->Width;
            default: return false;
            }
        });
        for (TNode* c : list) {
            const bool horizontal = align == alTop || align == alBottom || align == alClient;
            const bool vertical = align == alLeft || align == alRight || align == alClient;
            if (horizontal) c->Left = rect.Left, c->Width = rect.Width(), c->HasWidth = true;
            if (vertical) c->Top = rect.Top, c->Height = rect.Height(), c->HasHeight = true;
            switch (align) {
            case alTop: c->Top = rect.Top; rect.Top += c->Height; break;
            case alBottom: c->Top = rect.Bottom - c->Height; rect.Bottom -= c->Height; break;
            case alLeft: c->Left = rect.Left; rect.Left += c->Width; break;
            case alRight: c->Left = rect.Right - c->Width; rect.Right -= c->Width; break;
            default: break;
            }
        }
    }
}

// As the library scales a form: every control's edges are scaled relative to
// its parent (so widths round with their edges), the form's client size too.
void TFormLayout::Scale(int multiplier, int divisor) {
    for (std::size_t i = 0; i < FNodes.size(); ++i) {
        TNode& n = FNodes[i];
        if (i == 0) {
            n.Width = MulDiv(n.Width, multiplier, divisor);
            n.Height = MulDiv(n.Height, multiplier, divisor);
            continue;
        }
        const int left = MulDiv(n.Left, multiplier, divisor), top = MulDiv(n.Top, multiplier, divisor);
        n.Width = MulDiv(n.Left + n.Width, multiplier, divisor) - left;
        n.Height = MulDiv(n.Top + n.Height, multiplier, divisor) - top;
        n.Left = left;
        n.Top = top;
    }
}

int TFormLayout::Find(std::wstring_view name) const {
    for (std::size_t i = 0; i < FNodes.size(); ++i)
        if (SameTextAscii(FNodes[i].Name, name)) return static_cast<int>(i);
    return -1;
}

TSize TFormLayout::ClientSize() const { return {FNodes.front().Width, FNodes.front().Height}; }

TRect TFormLayout::Bounds(std::wstring_view name) const {
    const int index = Find(name);
    if (index < 0) {
        std::wstring known;
        for (const std::wstring& n : Names()) known += L" " + n;
        throw EDriverError(L"form " + FormName() + L" has no component " + std::wstring(name) + L"; it has:" + known);
    }
    const TNode& node = FNodes[index];
    if (!node.HasWidth || !node.HasHeight)
        throw EDriverError(L"the definition of " + FormName() + L" gives no " + (node.HasWidth ? L"Height" : L"Width") +
                           L" for " + node.Name);
    TRect r = ::Bounds(node.Left, node.Top, node.Width, node.Height);
    for (int p = node.Parent; p > 0; p = FNodes[p].Parent) r = r.Offset(FNodes[p].Left, FNodes[p].Top);
    return index == 0 ? TRect{0, 0, node.Width, node.Height} : r;
}

std::vector<std::wstring> TFormLayout::Names() const {
    std::vector<std::wstring> names;
    for (std::size_t i = 1; i < FNodes.size(); ++i) names.push_back(FNodes[i].Name);
    return names;
}

}  // namespace e2e
