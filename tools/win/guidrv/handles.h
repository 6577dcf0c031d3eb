// Move-only owners of the Win32 and COM handles the driver opens.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

class RegKey {
 public:
  RegKey() = default;
  explicit RegKey(HKEY key) : key_(key) {}
  ~RegKey() { Reset(); }
  RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      Reset();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  HKEY Get() const { return key_; }
  HKEY* Receive() { Reset(); return &key_; }

 private:
  void Reset() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
  }
  HKEY key_ = nullptr;
};

// A kernel handle closed with CloseHandle (toolhelp snapshots).
class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  ~KernelHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  KernelHandle& operator=(KernelHandle&&) = delete;
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;

  bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ComPtr& operator=(ComPtr&&) = delete;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* operator->() const { return ptr_; }
  T* Get() const { return ptr_; }
  void** Receive() { Reset(); return reinterpret_cast<void**>(&ptr_); }

 private:
  void Reset() {
    if (ptr_) ptr_->Release();
    ptr_ = nullptr;
  }
  T* ptr_ = nullptr;
};

// COM stays initialised for the whole life of the driver.
class ComInit {
 public:
  ComInit() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComInit() {
    if (ok_) CoUninitialize();
  }
  ComInit(const ComInit&) = delete;
  ComInit& operator=(const ComInit&) = delete;

 private:
  bool ok_;
};
