#pragma once
// One move-only owner for every kind of handle; the traits say what "none" is and how to close.
#include <utility>

namespace platform {

template <typename Traits>
class UniqueHandle {
  public:
    using Value = typename Traits::Value;

    UniqueHandle() = default;
    explicit UniqueHandle(Value value) : value_(value) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    Value Get() const { return value_; }
    bool IsValid() const { return !Traits::IsNone(value_); }
    explicit operator bool() const { return IsValid(); }

    Value Release() { return std::exchange(value_, Traits::None()); }
    void Reset(Value value = Traits::None()) {
        Value old = std::exchange(value_, value);
        if (!Traits::IsNone(old))
            Traits::Close(old);
    }

  private:
    Value value_ = Traits::None();
};

}  // namespace platform
