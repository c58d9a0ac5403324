#pragma once

class QApplication;

namespace vardeck::ui {

// For measuring the program's start-up from outside: when the environment variable
// VARDECK_WINDOW_LOG is set (to anything but empty), the program writes the line
// "vardeck: shown NAME" to standard error the first time each window, by its
// objectName, has been painted. Without the variable nothing is installed.
void logShownWindowsWhenAsked(QApplication& app);

}  // namespace vardeck::ui
