// Components: objects with an owner, a name and owned children. An owner
// frees what it owns; components that refer to each other ask for a free
// notification so they can forget a partner that goes away.
//
// Components are freed with Free (owners, FreeAndNil and the library do):
// BeforeDestruction runs first, while the whole object still exists, so
// events such as a form's OnDestroy can still read the derived object's
// members and its windows still exist; only then do the destructors run.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
    // The class name as written in the source ("TButton").
    std::wstring ClassName() const;
};

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned { csLoading = 1, csDestroying = 2, csReading = 4, csFreeing = 8 };

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The ordered way to free a component: BeforeDestruction, then delete.
    // A second call while the first runs does nothing.
    void Free();

    TComponent* Owner() const { return FOwner; }
    const std::wstring& Name() const { return FName; }
    virtual void SetName(const std::wstring& name);
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<std::size_t>(index)); }
    int ComponentIndex() const;
    // The owned component of that name (case-insensitive), or nullptr.
    TComponent* FindComponent(std::wstring_view name) const;

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Asks for Notification(this, opRemove) to reach `other` when this goes.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    unsigned ComponentState() const { return FState; }
    bool IsLoading() const { return (FState & csLoading) != 0; }
    bool IsDestroying() const { return (FState & csDestroying) != 0; }
    void SetLoading(bool loading);
    // Called once the component's definition has been read.
    virtual void Loaded();

    int Tag = 0;

protected:
    // Runs once when the component is freed, before any destructor. A class
    // releases here what needs the whole object, then calls its base; the
    // base tells the partners and frees the owned components.
    virtual void BeforeDestruction();
    virtual void Notification(TComponent* component, TOperation operation);
    // Frees the owned components, last first. Derived destructors that need
    // their children gone before their own clean-up call this first.
    void DestroyComponents();
    void MarkDestroying() { FState |= csDestroying; }

private:
    void NotifyRemoval();

    TComponent* FOwner = nullptr;
    std::wstring FName;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    unsigned FState = 0;
};

// Frees a component and nulls the pointer.
template <class T>
void FreeAndNil(T*& object) {
    T* doomed = object;
    object = nullptr;
    if (doomed) doomed->Free();
}

// For std::unique_ptr: frees a component the ordered way.
struct TFreeDeleter {
    void operator()(TComponent* component) const {
        if (component) component->Free();
    }
};
template <class T>
using TOwnedPtr = std::unique_ptr<T, TFreeDeleter>;
