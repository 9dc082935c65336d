#pragma once

#include <utility>

namespace lumo {

// Owns one reference to a COM object and releases it when it goes.
template <typename T> class ComRef {
public:
    ComRef() = default;
    ~ComRef() { reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // Where a creating call stores the new reference.
    void** out() {
        reset();
        return reinterpret_cast<void**>(&object_);
    }
    T** put() {
        reset();
        return &object_;
    }

    void reset() {
        if (object_) {
            std::exchange(object_, nullptr)->Release();
        }
    }

private:
    T* object_ = nullptr;
};

} // namespace lumo
