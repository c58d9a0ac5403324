#pragma once
#include "shell/Dialogs.h"

class QWidget;

namespace vardeck::ui {

// The screen models' dialogs as Qt shows them: message boxes, yes/no questions, text
// prompts and file choices, each modal over the window that is active at the moment.
class QtDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    std::optional<std::string> promptText(const std::string& caption, const std::string& prompt,
                                          const std::string& initial) override;
    std::optional<std::string> chooseOpenFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    void beep() override;
};

}  // namespace vardeck::ui
