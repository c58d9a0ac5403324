#pragma once
// Dialogs whose answers the test scripts and whose messages it reads back.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "controls/Dialogs.h"

namespace vardeck::z4config::testing {

class ScriptedDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> chooseOpenFile(const std::string& filter) override { return next(filter); }
    std::optional<std::string> chooseSaveFile(const std::string& filter) override { return next(filter); }

    std::vector<std::string> messages;
    std::deque<std::optional<std::string>> files;  // answers of the file dialogs, in order
    std::vector<std::string> filters;              // what the file dialogs were asked for

private:
    std::optional<std::string> next(const std::string& filter) {
        filters.push_back(filter);
        if (files.empty()) return std::nullopt;
        auto answer = files.front();
        files.pop_front();
        return answer;
    }
};

}  // namespace vardeck::z4config::testing
