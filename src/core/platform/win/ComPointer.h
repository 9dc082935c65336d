#pragma once

namespace lumo {

// Owns one reference to a COM object and releases it when it goes.
template <typename T> class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() { reset(); }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    T* operator->() const { return pointer_; }
    T* get() const { return pointer_; }
    // Where a creating call stores the new object.
    T** out() { return &pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    void reset() {
        if (pointer_ != nullptr) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }

private:
    T* pointer_ = nullptr;
};

} // namespace lumo
