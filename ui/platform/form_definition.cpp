#include "ui/platform/form_definition.h"

#include <cwctype>
#include <mutex>

#include "ui/platform/forms.h"

namespace {

[[noreturn]] void Fail(std::wstring_view source, int line, const std::wstring& message) {
    throw EFormDefinitionError(L"Definitia formei \"" + std::wstring(source) + L"\", linia " + std::to_wstring(line) +
                               L": " + message);
}

std::wstring Lower(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result) c = static_cast<wchar_t>(std::towlower(c));
    return result;
}

// Reads definition text token by token, keeping the line number.
class Parser {
public:
    Parser(std::wstring_view text, std::wstring_view source) : FText(text), FSource(source) {}

    TDefObject ParseRoot() {
        TDefObject root = ParseObject();
        SkipBlanks();
        if (FPos < FText.size()) Fail(FSource, FLine, L"text in plus dupa sfarsitul definitiei");
        return root;
    }

private:
    void SkipBlanks() {
        while (FPos < FText.size()) {
            const wchar_t c = FText[FPos];
            if (c == L'\n') {
                ++FLine;
                ++FPos;
            } else if (c == L' ' || c == L'\t' || c == L'\r' || c == 0xFEFF) {
                ++FPos;
            } else if (c == L'/' && FPos + 1 < FText.size() && FText[FPos + 1] == L'/') {
                while (FPos < FText.size() && FText[FPos] != L'\n') ++FPos;
            } else {
                return;
            }
        }
    }

    bool AtEnd() {
        SkipBlanks();
        return FPos >= FText.size();
    }

    wchar_t Peek() {
        SkipBlanks();
        return FPos < FText.size() ? FText[FPos] : L'\0';
    }

    void Expect(wchar_t c) {
        if (Peek() != c) Fail(FSource, FLine, std::wstring(L"se astepta \"") + c + L"\"");
        ++FPos;
    }

    static bool IsIdentChar(wchar_t c) { return std::iswalnum(c) || c == L'_' || c == L'.'; }

    std::wstring Identifier() {
        SkipBlanks();
        const std::size_t start = FPos;
        if (FPos < FText.size() && (std::iswalpha(FText[FPos]) || FText[FPos] == L'_'))
            while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
        if (start == FPos) Fail(FSource, FLine, L"se astepta un nume");
        return std::wstring(FText.substr(start, FPos - start));
    }

    TDefObject ParseObject() {
        TDefObject object;
        object.Line = (SkipBlanks(), FLine);
        object.ClassName = Identifier();
        object.Name = Identifier();
        Expect(L'{');
        while (Peek() != L'}') {
            if (AtEnd()) Fail(FSource, FLine, L"lipseste \"}\" pentru " + object.Name);
            const int line = FLine;
            const std::size_t mark = FPos;
            std::wstring first = Identifier();
            if (Peek() == L'=') {
                ++FPos;
                TDefValue value = ParseValue();
                object.Properties.push_back({std::move(first), std::move(value), line});
            } else {
                FPos = mark;
                FLine = line;
                object.Children.push_back(ParseObject());
            }
        }
        ++FPos;
        return object;
    }

    TDefValue ParseValue() {
        TDefValue value;
        value.Line = (SkipBlanks(), FLine);
        const wchar_t c = Peek();
        if (c == L'"') {
            value.Data = String();
        } else if (c == L'[') {
            value.Data = TDefSet{List(L'[', L']', false)};
        } else if (c == L'(') {
            value.Data = TDefStrings{List(L'(', L')', true)};
        } else if (c == L'-' || c == L'$' || std::iswdigit(c)) {
            value.Data = Number();
        } else {
            value.Data = TDefIdent{Identifier()};
        }
        return value;
    }

    std::vector<std::wstring> List(wchar_t open, wchar_t close, bool strings) {
        Expect(open);
        std::vector<std::wstring> items;
        while (Peek() != close) {
            if (AtEnd()) Fail(FSource, FLine, std::wstring(L"lipseste \"") + close + L"\"");
            items.push_back(strings ? String() : Identifier());
            if (Peek() == L',') ++FPos;
            else if (Peek() != close) Fail(FSource, FLine, std::wstring(L"se astepta \",\" sau \"") + close + L"\"");
        }
        ++FPos;
        return items;
    }

    std::int64_t Number() {
        SkipBlanks();
        bool negative = false;
        if (FText[FPos] == L'-') {
            negative = true;
            ++FPos;
        }
        int base = 10;
        if (FPos < FText.size() && FText[FPos] == L'$') {
            base = 16;
            ++FPos;
        }
        std::int64_t value = 0;
        std::size_t digits = 0;
        for (; FPos < FText.size(); ++FPos, ++digits) {
            const wchar_t c = FText[FPos];
            int d;
            if (c >= L'0' && c <= L'9') d = c - L'0';
            else if (base == 16 && c >= L'a' && c <= L'f') d = c - L'a' + 10;
            else if (base == 16 && c >= L'A' && c <= L'F') d = c - L'A' + 10;
            else break;
            value = value * base + d;
            if (value > 0xFFFFFFFFLL) Fail(FSource, FLine, L"numar prea mare");
        }
        if (digits == 0) Fail(FSource, FLine, L"numar gresit");
        if (FPos < FText.size() && IsIdentChar(FText[FPos])) Fail(FSource, FLine, L"numar gresit");
        return negative ? -value : value;
    }

    std::wstring String() {
        Expect(L'"');
        std::wstring result;
        while (true) {
            if (FPos >= FText.size() || FText[FPos] == L'\n') Fail(FSource, FLine, L"sir neterminat");
            wchar_t c = FText[FPos++];
            if (c == L'"') return result;
            if (c != L'\\') {
                result += c;
                continue;
            }
            if (FPos >= FText.size()) Fail(FSource, FLine, L"sir neterminat");
            c = FText[FPos++];
            switch (c) {
            case L'n': result += L'\n'; break;
            case L'r': result += L'\r'; break;
            case L't': result += L'\t'; break;
            case L'"': result += L'"'; break;
            case L'\\': result += L'\\'; break;
            case L'u': result += Unicode(); break;
            default: Fail(FSource, FLine, std::wstring(L"secventa necunoscuta \\") + c);
            }
        }
    }

    wchar_t Unicode() {
        if (FPos + 4 > FText.size()) Fail(FSource, FLine, L"secventa \\u incompleta");
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const wchar_t c = FText[FPos++];
            if (!std::iswxdigit(c)) Fail(FSource, FLine, L"secventa \\u gresita");
            value = value * 16 + static_cast<unsigned>(std::iswdigit(c) ? c - L'0' : std::towlower(c) - L'a' + 10);
        }
        return static_cast<wchar_t>(value);
    }

    std::wstring_view FText;
    std::wstring_view FSource;
    std::size_t FPos = 0;
    int FLine = 1;
};

[[noreturn]] void WrongType(int line, const wchar_t* expected) {
    throw EFormDefinitionError(L"linia " + std::to_wstring(line) + L": se astepta " + expected);
}

}  // namespace

int TDefValue::AsInt() const {
    if (!IsInt()) WrongType(Line, L"un numar");
    return static_cast<int>(std::get<std::int64_t>(Data));
}

bool TDefValue::AsBool() const {
    if (IsIdent()) {
        const std::wstring name = Lower(std::get<TDefIdent>(Data).Name);
        if (name == L"true") return true;
        if (name == L"false") return false;
    }
    WrongType(Line, L"true sau false");
}

const std::wstring& TDefValue::AsString() const {
    if (!IsString()) WrongType(Line, L"un sir intre ghilimele");
    return std::get<std::wstring>(Data);
}

const std::wstring& TDefValue::AsIdent() const {
    if (!IsIdent()) WrongType(Line, L"un nume");
    return std::get<TDefIdent>(Data).Name;
}

const std::vector<std::wstring>& TDefValue::AsSet() const {
    if (!std::holds_alternative<TDefSet>(Data)) WrongType(Line, L"o multime intre [ ]");
    return std::get<TDefSet>(Data).Items;
}

const std::vector<std::wstring>& TDefValue::AsStrings() const {
    if (!std::holds_alternative<TDefStrings>(Data)) WrongType(Line, L"o lista de siruri intre ( )");
    return std::get<TDefStrings>(Data).Items;
}

TDefObject ParseFormDefinition(std::wstring_view text, std::wstring_view source) {
    return Parser(text, source).ParseRoot();
}

void TLoadContext::Fail(int line, const std::wstring& message) const { ::Fail(Source, line, message); }

int TLoadContext::Enum(const TDefValue& value, std::initializer_list<std::pair<const wchar_t*, int>> names) const {
    const std::wstring& name = value.AsIdent();
    for (const auto& [text, number] : names)
        if (SameTextAscii(text, name)) return number;
    Fail(value.Line, L"valoare necunoscuta \"" + name + L"\"");
}

unsigned TLoadContext::Flags(const TDefValue& value,
                             std::initializer_list<std::pair<const wchar_t*, unsigned>> names) const {
    unsigned bits = 0;
    for (const std::wstring& item : value.AsSet()) {
        bool found = false;
        for (const auto& [text, bit] : names)
            if (SameTextAscii(text, item)) {
                bits |= bit;
                found = true;
            }
        if (!found) Fail(value.Line, L"valoare necunoscuta \"" + item + L"\"");
    }
    return bits;
}

TClassRegistry& TClassRegistry::Instance() {
    static TClassRegistry registry;
    static std::once_flag platform;
    std::call_once(platform, [] { RegisterPlatformClasses(registry); });
    return registry;
}

void TClassRegistry::RegisterFactory(const std::wstring& name, std::function<TComponent*(TComponent*)> factory) {
    FClasses[Lower(name)] = std::move(factory);
}

bool TClassRegistry::IsRegistered(std::wstring_view name) const { return FClasses.count(Lower(name)) != 0; }

TComponent* TClassRegistry::Create(std::wstring_view name, TComponent* owner) const {
    auto it = FClasses.find(Lower(name));
    return it == FClasses.end() ? nullptr : it->second(owner);
}

void TClassRegistry::AddProperty(const std::wstring& name, std::function<bool(TComponent*)> applies,
                                 TPropertySetter set) {
    FProperties[Lower(name)].push_back({std::move(applies), std::move(set)});
}

bool TClassRegistry::SetProperty(TComponent& target, const std::wstring& name, const TDefValue& value,
                                 const TLoadContext& context) const {
    auto it = FProperties.find(Lower(name));
    if (it == FProperties.end()) return false;
    for (auto entry = it->second.rbegin(); entry != it->second.rend(); ++entry)
        if (entry->Applies(&target)) {
            entry->Set(target, value, context);
            return true;
        }
    return false;
}

namespace {

class Loader {
public:
    Loader(TCustomForm& form, std::wstring_view source)
        : FRegistry(TClassRegistry::Instance()), FContext{form, std::wstring(source)} {}

    void Load(const TDefObject& root) {
        TCustomForm& form = FContext.Form;
        form.SetLoading(true);
        FLoaded.push_back(&form);
        if (!root.Name.empty()) form.SetName(root.Name);
        ApplyProperties(form, root);
        for (const TDefObject& child : root.Children) CreateChild(child, &form);
        for (TComponent* c : FLoaded)
            if (c != &form) c->Loaded();
        form.Loaded();
    }

private:
    void ApplyProperties(TComponent& target, const TDefObject& object) {
        for (const TDefProperty& p : object.Properties) {
            bool known;
            try {
                known = FRegistry.SetProperty(target, p.Name, p.Value, FContext);
            } catch (const EFormDefinitionError& e) {
                if (e.Message().rfind(L"Definitia", 0) == 0) throw;
                FContext.Fail(p.Line, p.Name + L": " + e.Message());
            } catch (const Exception& e) {
                FContext.Fail(p.Line, p.Name + L": " + e.Message());
            }
            if (!known)
                FContext.Fail(p.Line, L"proprietate necunoscuta \"" + p.Name + L"\" pentru " + object.ClassName);
        }
    }

    void CreateChild(const TDefObject& object, TComponent* parent) {
        TCustomForm& form = FContext.Form;
        if (!FRegistry.IsRegistered(object.ClassName))
            FContext.Fail(object.Line, L"clasa necunoscuta \"" + object.ClassName + L"\"");
        TComponent* component = FRegistry.Create(object.ClassName, &form);
        component->SetLoading(true);
        FLoaded.push_back(component);
        try {
            component->SetName(object.Name);
        } catch (const Exception& e) {
            FContext.Fail(object.Line, e.Message());
        }
        if (auto* control = dynamic_cast<TControl*>(component)) {
            auto* container = dynamic_cast<TWinControl*>(parent);
            if (!container) FContext.Fail(object.Line, L"\"" + object.Name + L"\" nu poate sta intr-un control fara fereastra");
            control->SetParent(container);
        }
        ApplyProperties(*component, object);
        for (const TDefObject& child : object.Children) CreateChild(child, component);
    }

    const TClassRegistry& FRegistry;
    TLoadContext FContext;
    std::vector<TComponent*> FLoaded;
};

}  // namespace

void LoadFormDefinitionText(TCustomForm& form, std::wstring_view text, std::wstring_view source) {
    const TDefObject root = ParseFormDefinition(text, source);
    Loader(form, source).Load(root);
}

void LoadFormDefinition(TCustomForm& form, std::wstring_view resourceName) {
    const std::wstring name(resourceName);
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name.c_str(), L"FORMDEF");
    if (!info) throw EFormDefinitionError(L"Definitia formei \"" + name + L"\" lipseste din program");
    HGLOBAL data = LoadResource(module, info);
    const auto* bytes = static_cast<const char*>(LockResource(data));
    const std::wstring text = Utf8ToWide(std::string_view(bytes, SizeofResource(module, info)));
    LoadFormDefinitionText(form, text, name);
}
