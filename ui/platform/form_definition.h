// Form definitions: a form's layout, captions, colours, fonts, pictures and
// event handler names, written as text and compiled into the program as a
// resource of type FORMDEF named after the form class.
//
//   TCopy Copy {
//     Caption = "Copiere"
//     ClientWidth = 400
//     Font.Style = [fsBold]
//     OnCreate = FormCreate
//     TPanel Panel1 {
//       Align = alTop
//       Lines = ("first line", "second line")
//     }
//   }
//
// Values: integers (decimal, negative, $hex), strings in double quotes with
// the escapes \" \\ \n \t and \uXXXX, identifiers (enumerations, booleans, colour names, handler
// names), sets in brackets and string lists in parentheses. A line comment
// starts with //. Unknown classes, properties and handlers stop the load with
// an error naming the form and the line.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/platform/sysutils.h"

class TComponent;
class TCustomForm;

class EFormDefinitionError : public Exception {
public:
    using Exception::Exception;
};

struct TDefIdent {
    std::wstring Name;
};
struct TDefSet {
    std::vector<std::wstring> Items;
};
struct TDefStrings {
    std::vector<std::wstring> Items;
};

struct TDefValue {
    std::variant<std::int64_t, std::wstring, TDefIdent, TDefSet, TDefStrings> Data;
    int Line = 0;

    bool IsInt() const { return std::holds_alternative<std::int64_t>(Data); }
    bool IsString() const { return std::holds_alternative<std::wstring>(Data); }
    bool IsIdent() const { return std::holds_alternative<TDefIdent>(Data); }
    // Typed readers; each throws a message naming what was expected.
    int AsInt() const;
    bool AsBool() const;
    const std::wstring& AsString() const;
    const std::wstring& AsIdent() const;
    const std::vector<std::wstring>& AsSet() const;
    const std::vector<std::wstring>& AsStrings() const;
};

struct TDefProperty {
    std::wstring Name;
    TDefValue Value;
    int Line = 0;
};

struct TDefObject {
    std::wstring ClassName;
    std::wstring Name;
    int Line = 0;
    std::vector<TDefProperty> Properties;
    std::vector<TDefObject> Children;
};

// Parses a definition's text. `source` names it in error messages.
TDefObject ParseFormDefinition(std::wstring_view text, std::wstring_view source);

// What a property setter may need besides its value.
struct TLoadContext {
    TCustomForm& Form;
    std::wstring Source;
    // Maps an enumeration name to its value; throws for an unknown name.
    int Enum(const TDefValue& value, std::initializer_list<std::pair<const wchar_t*, int>> names) const;
    // Sets: the union of the named flags.
    unsigned Flags(const TDefValue& value, std::initializer_list<std::pair<const wchar_t*, unsigned>> names) const;
    // The handler of that name registered by the form, of type T.
    template <class T>
    T Handler(const TDefValue& value) const;
    [[noreturn]] void Fail(int line, const std::wstring& message) const;
};

using TPropertySetter = std::function<void(TComponent& target, const TDefValue& value, const TLoadContext& context)>;

// The classes definitions can create, and the properties they can set.
class TClassRegistry {
public:
    static TClassRegistry& Instance();

    template <class T>
    void RegisterClass(const std::wstring& name) {
        RegisterFactory(name, [](TComponent* owner) -> TComponent* { return new T(owner); });
    }
    void RegisterFactory(const std::wstring& name, std::function<TComponent*(TComponent* owner)> factory);
    bool IsRegistered(std::wstring_view name) const;
    TComponent* Create(std::wstring_view name, TComponent* owner) const;

    // A property of class T (and of every class derived from it). A later
    // registration for a more derived class takes precedence.
    template <class T>
    void RegisterProperty(const std::wstring& name, std::function<void(T&, const TDefValue&, const TLoadContext&)> set) {
        AddProperty(name, [](TComponent* c) { return dynamic_cast<T*>(c) != nullptr; },
                    [set = std::move(set)](TComponent& c, const TDefValue& v, const TLoadContext& ctx) {
                        set(dynamic_cast<T&>(c), v, ctx);
                    });
    }
    // An event property: the value names a handler the form registered.
    template <class T, class E>
    void RegisterEvent(const std::wstring& name, E T::*member) {
        RegisterProperty<T>(name, [member](T& c, const TDefValue& v, const TLoadContext& ctx) {
            c.*member = ctx.Handler<E>(v);
        });
    }
    // Applies one property; false when no class of the target has it.
    bool SetProperty(TComponent& target, const std::wstring& name, const TDefValue& value,
                     const TLoadContext& context) const;

private:
    struct PropertyEntry {
        std::function<bool(TComponent*)> Applies;
        TPropertySetter Set;
    };
    void AddProperty(const std::wstring& name, std::function<bool(TComponent*)> applies, TPropertySetter set);

    std::map<std::wstring, std::function<TComponent*(TComponent*)>> FClasses;
    std::map<std::wstring, std::vector<PropertyEntry>> FProperties;
};

// Reads the FORMDEF resource of that name into the form.
void LoadFormDefinition(TCustomForm& form, std::wstring_view resourceName);
// Reads definition text into the form (for definitions that are not resources).
void LoadFormDefinitionText(TCustomForm& form, std::wstring_view text, std::wstring_view source);

// Registers the form library's own classes and properties (done once, on the
// first load).
void RegisterPlatformClasses(TClassRegistry& registry);

#include <any>

#include "ui/platform/forms.h"

template <class T>
T TLoadContext::Handler(const TDefValue& value) const {
    const std::wstring& name = value.AsIdent();
    const std::any* handler = Form.FindHandler(name);
    if (!handler) Fail(value.Line, L"metoda necunoscuta \"" + name + L"\"");
    if (const T* typed = std::any_cast<T>(handler)) return *typed;
    Fail(value.Line, L"metoda \"" + name + L"\" nu are tipul cerut de eveniment");
}
