#include "ui/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vardeck::ui {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QWidget* owner() { return QApplication::activeWindow(); }

QString title() { return QApplication::applicationDisplayName(); }

// "dat" -> "*.dat files (*.dat);;All files (*)"; empty -> all files.
QString nameFilter(const std::string& extension) {
    const QString all = QObject::tr("All files (*)");
    if (extension.empty()) return all;
    // Sounds are offered as voice files; the module plays them after a conversion.
    if (extension == "wav") return QObject::tr("Voice Files (*.wav)") + ";;" + QObject::tr("All Files (*)");
    const QString pattern = "*." + q(extension);
    return pattern + " (" + pattern + ");;" + all;
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

void QtDialogs::showMessage(const std::string& text) {
    QMessageBox::information(owner(), title(), q(text), QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const std::string& text) {
    return QMessageBox::question(owner(), title(), q(text), QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::promptText(const std::string& caption, const std::string& prompt,
                                                 const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), q(caption), q(prompt), QLineEdit::Normal, q(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtDialogs::chooseOpenFile(const std::string& filter) {
    return chosen(QFileDialog::getOpenFileName(owner(), QString(), QString(), nameFilter(filter)));
}

std::optional<std::string> QtDialogs::chooseSaveFile(const std::string& filter) {
    QFileDialog dialog(owner(), QString(), QString(), nameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without extension gets the filter's one, as the files are looked for by it.
    if (!filter.empty()) dialog.setDefaultSuffix(q(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosen(dialog.selectedFiles().first());
}

void QtDialogs::beep() { QApplication::beep(); }

}  // namespace vardeck::ui
