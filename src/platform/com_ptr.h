#pragma once
// Owners for COM: the thread's COM library (ComScope) and an interface pointer (ComPtr).
// Only platform/ and the shell extension include this.
#include <objbase.h>

#include <utility>

namespace platform {

class ComScope {
  public:
    ComScope() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (ok_)
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool ok_;
};

template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    explicit ComPtr(Interface* p) : p_(p) {}  // takes over a reference
    ~ComPtr() { Reset(); }
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

    Interface* Get() const { return p_; }
    Interface* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void** OutVoid() {
        Reset();
        return reinterpret_cast<void**>(&p_);
    }
    void Reset() {
        if (p_)
            p_->Release();
        p_ = nullptr;
    }

  private:
    Interface* p_ = nullptr;
};

}  // namespace platform
