#pragma once
#include <optional>
#include <string>

namespace vardeck {

// The modal dialogs a screen model may open. The program shows real dialogs;
// tests script the answers and record the calls. Every call returns when the
// dialog is closed.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text) { (void)text; return false; }
    // A text prompt with a caption and a start value; nothing when cancelled.
    virtual std::optional<std::string> promptText(const std::string& caption, const std::string& prompt,
                                                  const std::string& initial) {
        (void)caption; (void)prompt; (void)initial;
        return std::nullopt;
    }
    // File choice; filter is a file name extension without dot ("dat", "sim", "wav"),
    // empty for any file. Nothing when cancelled.
    virtual std::optional<std::string> chooseOpenFile(const std::string& filter) { (void)filter; return std::nullopt; }
    virtual std::optional<std::string> chooseSaveFile(const std::string& filter) { (void)filter; return std::nullopt; }
    // The system beep.
    virtual void beep() {}
};

}  // namespace vardeck
