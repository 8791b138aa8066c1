#include "ui/platform/component.h"

#include <windows.h>
#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "ui/platform/sysutils.h"

std::wstring TObject::ClassName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    std::string name = (status == 0 && plain) ? plain.get() : mangled;
    const auto colon = name.rfind("::");
    if (colon != std::string::npos) name.erase(0, colon + 2);
    return std::wstring(name.begin(), name.end());
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    FState |= csDestroying;
    NotifyRemoval();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Free() {
    if (FState & csFreeing) return;
    FState |= csFreeing | csDestroying;
    BeforeDestruction();
    delete this;
}

void TComponent::BeforeDestruction() {
    NotifyRemoval();
    DestroyComponents();
}

void TComponent::NotifyRemoval() {
    // A partner may unregister itself from within its notification.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(other->FFreeNotifies, this);
        other->Notification(this, TOperation::opRemove);
    }
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* child = FComponents.back();
        RemoveComponent(child);
        child->Free();
    }
}

void TComponent::SetName(const std::wstring& name) {
    if (!name.empty() && FOwner) {
        TComponent* same = FOwner->FindComponent(name);
        if (same && same != this)
            throw Exception(L"Exista deja o componenta numita \"" + name + L"\"");
    }
    FName = name;
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& list = FOwner->FComponents;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (c->FName.size() == name.size() && CompareStringOrdinal(c->FName.data(), static_cast<int>(name.size()),
                                                                   name.data(), static_cast<int>(name.size()), TRUE) == CSTR_EQUAL)
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it == FComponents.end()) return;
    FComponents.erase(it);
    component->FOwner = nullptr;
    Notification(component, TOperation::opRemove);
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(other);
        other->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    std::erase(FFreeNotifies, other);
    if (other) std::erase(other->FFreeNotifies, this);
}

void TComponent::SetLoading(bool loading) {
    if (loading)
        FState |= csLoading;
    else
        FState &= ~static_cast<unsigned>(csLoading);
}

void TComponent::Loaded() { SetLoading(false); }

void TComponent::Notification(TComponent*, TOperation) {}
