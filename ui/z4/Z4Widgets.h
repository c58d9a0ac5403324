#pragma once
#include <QString>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace vardeck::ui::z4 {

// A tab page named after its page control.
QWidget* page(const char* name, QWidget* parent);

// Widgets of the configurator's pages, each named after the control it shows; the
// binder fills in captions, items and values. Each is created under `parent`.
QLabel* label(const char* name, QWidget* parent);
QLabel* title(const char* name, QWidget* parent);  // a page's bold heading
QLabel* caption(const QString& text, QWidget* parent);  // a fixed caption of no control
// A help text: framed, wrapped, shown as plain text whatever it contains.
QLabel* memo(const char* name, QWidget* parent);
QLineEdit* edit(const char* name, QWidget* parent);
QCheckBox* check(const char* name, QWidget* parent);
QComboBox* list(const char* name, QWidget* parent);
QSpinBox* spin(const char* name, QWidget* parent);
QListWidget* checkList(const char* name, QWidget* parent);
QPushButton* button(const char* name, QWidget* parent);
QTableWidget* grid(const char* name, QWidget* parent);
QProgressBar* gauge(const char* name, QWidget* parent);
// A radio group (the time unit selectors): a group box with `count` radio buttons.
QGroupBox* radioGroup(const char* name, int count, QWidget* parent);

// A caption above a recipient list, both in one column.
QWidget* labelledList(const char* labelName, const char* listName, QWidget* parent);
// A tab page named after its page control, its content in a scrollable column so
// that nothing is cut at small sizes.
struct ScrolledPage {
    QWidget* page;
    QVBoxLayout* column;
};
ScrolledPage scrolledPage(const char* name, QWidget* parent);
// Ends the column with a stretch, so the content keeps to the top; gives the page.
QWidget* endPage(QVBoxLayout* column, QWidget* page);

}  // namespace vardeck::ui::z4
