#pragma once
#include <functional>
#include <string>

class QWidget;

namespace vardeck::ui::z4 {

// A left mouse press on one of the sound page's file fields below `root` calls
// `clicked` with the field's name. The call comes after the press has been handled,
// so that the file dialog it opens does not run inside the mouse event.
void watchSoundFileFields(QWidget* root, std::function<void(const std::string& field)> clicked);

}  // namespace vardeck::ui::z4
