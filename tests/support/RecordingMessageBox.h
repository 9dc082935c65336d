#pragma once

#include "platform/MessageBox.h"

#include <deque>
#include <string>
#include <vector>

namespace lumo {

// Test double: keeps every call in order and answers questions from a queue
// (Yes once the queue is empty).
class RecordingMessageBox final : public IMessageBox {
public:
    enum class Kind { Show, Information, Error, Ask };
    struct Call {
        Kind kind;
        std::string text;
        std::string details = {};
        bool operator==(const Call&) const = default;
    };

    void show(const std::string& text) override { calls.push_back({Kind::Show, text}); }
    void showInformation(const std::string& text) override {
        calls.push_back({Kind::Information, text});
    }
    void showError(const std::string& text) override { calls.push_back({Kind::Error, text}); }
    bool ask(const std::string& text) override { return ask(text, {}); }
    bool ask(const std::string& text, const std::string& details) override {
        calls.push_back({Kind::Ask, text, details});
        if (answers.empty()) {
            return true;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const Call& call : calls) {
            result.push_back(call.text);
        }
        return result;
    }

    std::vector<Call> calls;
    std::deque<bool> answers;
};

} // namespace lumo
