// Move-only owners of Win32 handles and GDI objects: each closes or deletes what it holds
// exactly once, on every path out of the scope that owns it.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

// Generic owner; Traits gives the null value and how to close.
template <class Traits>
class UniqueResource {
public:
    using Value = typename Traits::Value;

    UniqueResource() noexcept = default;
    explicit UniqueResource(Value value) noexcept : value_(value) {}
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~UniqueResource() { Reset(); }

    Value Get() const noexcept { return value_; }
    bool Valid() const noexcept { return value_ != Traits::Null(); }
    explicit operator bool() const noexcept { return Valid(); }

    Value Release() noexcept { return std::exchange(value_, Traits::Null()); }
    // For out-parameters of the functions that open the resource.
    Value* Receive() noexcept {
        Reset();
        return &value_;
    }
    void Reset(Value value = Traits::Null()) noexcept {
        Value old = std::exchange(value_, value);
        if (old != Traits::Null()) Traits::Close(old);
    }

private:
    Value value_ = Traits::Null();
};

struct FileHandleTraits {
    using Value = HANDLE;
    static Value Null() { return INVALID_HANDLE_VALUE; }
    static void Close(Value h) { ::CloseHandle(h); }
};
using UniqueFileHandle = UniqueResource<FileHandleTraits>;

// Kernel objects whose failure value is null (processes, threads, events).
struct KernelHandleTraits {
    using Value = HANDLE;
    static Value Null() { return nullptr; }
    static void Close(Value h) { ::CloseHandle(h); }
};
using UniqueHandle = UniqueResource<KernelHandleTraits>;

struct FindHandleTraits {
    using Value = HANDLE;
    static Value Null() { return INVALID_HANDLE_VALUE; }
    static void Close(Value h) { ::FindClose(h); }
};
using UniqueFindHandle = UniqueResource<FindHandleTraits>;

struct RegKeyTraits {
    using Value = HKEY;
    static Value Null() { return nullptr; }
    static void Close(Value h) { ::RegCloseKey(h); }
};
using UniqueRegKey = UniqueResource<RegKeyTraits>;

template <class T>
struct GdiObjectTraits {
    using Value = T;
    static Value Null() { return nullptr; }
    static void Close(Value h) { ::DeleteObject(h); }
};
template <class T>
using UniqueGdiObject = UniqueResource<GdiObjectTraits<T>>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

struct MemoryDcTraits {
    using Value = HDC;
    static Value Null() { return nullptr; }
    static void Close(Value h) { ::DeleteDC(h); }
};
using UniqueMemoryDc = UniqueResource<MemoryDcTraits>;

struct ResourceTraits {
    using Value = HGLOBAL;
    static Value Null() { return nullptr; }
    static void Close(Value h) { ::FreeResource(h); }
};
using UniqueLoadedResource = UniqueResource<ResourceTraits>;

// A device context obtained with GetDC; released with ReleaseDC for the same window.
class WindowDc {
public:
    WindowDc() noexcept = default;
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            Release();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~WindowDc() { Release(); }

    HDC Get() const noexcept { return dc_; }
    void Release() noexcept {
        if (dc_) ::ReleaseDC(window_, dc_);
        dc_ = nullptr;
        window_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back when it goes out of scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    SelectedObject(SelectedObject&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
    SelectedObject& operator=(SelectedObject&&) = delete;
    ~SelectedObject() { Restore(); }

    void Restore() noexcept {
        if (dc_ && previous_) ::SelectObject(dc_, previous_);
        dc_ = nullptr;
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A COM interface pointer, released once.
template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* Get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    // For out-parameters of CoCreateInstance and QueryInterface.
    void** OutVoid() noexcept {
        Reset();
        return reinterpret_cast<void**>(&p_);
    }
    void Reset() noexcept {
        if (p_) p_->Release();
        p_ = nullptr;
    }

private:
    T* p_ = nullptr;
};

// COM initialisation of the calling thread, paired with CoUninitialize. A call that failed
// (for example because the thread runs another apartment model) is not undone.
class ComInitialization {
public:
    ComInitialization() noexcept : initialized_(SUCCEEDED(::CoInitialize(nullptr))) {}
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;
    ComInitialization(ComInitialization&& other) noexcept : initialized_(std::exchange(other.initialized_, false)) {}
    ComInitialization& operator=(ComInitialization&&) = delete;
    ~ComInitialization() {
        if (initialized_) ::CoUninitialize();
    }

    bool Initialized() const noexcept { return initialized_; }

private:
    bool initialized_;
};
