#pragma once
#include <QString>

class QLineEdit;

namespace vardeck::ui {

// The text of a line edit as the screen models hold it. QLineEdit::text() drops the
// unfilled positions of an input mask, which shifts every character after them; the
// models read a masked text by position (a blank first position of a phone number
// means no number, a blank inside one ends it), so each unfilled position comes back
// as a space. Blanks after the last filled position carry nothing and are left off.
// An edit without a mask gives its text().
QString modelText(const QLineEdit& edit);

}  // namespace vardeck::ui
