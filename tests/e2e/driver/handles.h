// Owning wrappers for the kernel handles and modules the driver opens.
#pragma once

#include <windows.h>

#include <utility>

class TOwnedHandle {
public:
    TOwnedHandle() = default;
    explicit TOwnedHandle(HANDLE handle) : FHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~TOwnedHandle() { Reset(); }
    TOwnedHandle(const TOwnedHandle&) = delete;
    TOwnedHandle& operator=(const TOwnedHandle&) = delete;
    TOwnedHandle(TOwnedHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.FHandle, nullptr));
        return *this;
    }

    HANDLE Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    void Reset(HANDLE handle = nullptr) {
        if (FHandle) CloseHandle(FHandle);
        FHandle = handle;
    }

private:
    HANDLE FHandle = nullptr;
};

// A module mapped as data only, to read its resources.
class TDataModule {
public:
    explicit TDataModule(const wchar_t* path) : FModule(LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~TDataModule() {
        if (FModule) FreeLibrary(FModule);
    }
    TDataModule(const TDataModule&) = delete;
    TDataModule& operator=(const TDataModule&) = delete;

    HMODULE Get() const { return FModule; }

private:
    HMODULE FModule;
};
