#pragma once

#include "platform/FolderChooser.h"

#include <deque>
#include <string>
#include <vector>

namespace lumo {

// Test double: answers with prepared folders in order, then cancels, and keeps the start
// paths it was opened at.
class ScriptedFolderChooser final : public IFolderChooser {
public:
    ScriptedFolderChooser() = default;
    explicit ScriptedFolderChooser(std::deque<std::string> answers) : answers(std::move(answers)) {}

    std::string chooseFolder(const std::string& startPath) override {
        startPaths.push_back(startPath);
        if (answers.empty()) {
            return {};
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::string> answers;
    std::vector<std::string> startPaths;
};

} // namespace lumo
