#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace lumo::test {

// Sets or (with nullptr) removes an environment variable of this process.
void SetEnvironment(const char* name, const char* value);

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        SetEnvironment(name, value);
    }
    ~ScopedEnv() { SetEnvironment(name_, old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace lumo::test
