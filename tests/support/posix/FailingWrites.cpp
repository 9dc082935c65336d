#include "support/FailingWrites.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

namespace lumo::test {

struct FailingWrites::State {
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

// Works for root as well, which file permissions would not.
FailingWrites::FailingWrites(const std::string&) : state_(std::make_unique<State>()) {
    getrlimit(RLIMIT_FSIZE, &state_->saved);
    state_->previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = state_->saved;
    limit.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FailingWrites::~FailingWrites() {
    setrlimit(RLIMIT_FSIZE, &state_->saved);
    std::signal(SIGXFSZ, state_->previousHandler);
}

} // namespace lumo::test

namespace lumo::test {

UnreadableFile::UnreadableFile(const std::string& path) {
    std::filesystem::create_symlink(path + ".missing", path);
}

UnreadableFile::~UnreadableFile() = default;

} // namespace lumo::test
