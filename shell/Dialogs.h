#pragma once
#include <string>

namespace vardeck {

// The modal dialogs a screen model may open. The program shows real message
// boxes; tests record the calls.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with an OK button; returns when it is closed.
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace vardeck
