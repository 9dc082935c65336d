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

    void tell(MessageKind kind, const std::string& text) override {
        const Kind recorded = kind == MessageKind::Information ? Kind::Information
                              : kind == MessageKind::Error     ? Kind::Error
                                                               : Kind::Show;
        calls.push_back({recorded, text});
    }
    bool question(const std::string& text, const std::string& details) override {
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
