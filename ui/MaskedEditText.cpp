#include "ui/MaskedEditText.h"

#include <QLineEdit>

namespace vardeck::ui {
namespace {

// The character a mask shows in an unfilled position: the one after its last ';',
// a space when the mask names none.
QChar blankOf(const QString& mask) {
    const qsizetype separator = mask.lastIndexOf(';');
    return separator >= 0 && separator + 1 < mask.size() ? mask.at(separator + 1) : QChar(' ');
}

}  // namespace

QString modelText(const QLineEdit& edit) {
    const QString mask = edit.inputMask();
    if (mask.isEmpty()) return edit.text();
    QString text = edit.displayText();
    text.replace(blankOf(mask), QChar(' '));
    while (text.endsWith(' ')) text.chop(1);
    return text;
}

}  // namespace vardeck::ui
