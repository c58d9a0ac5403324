#include "ui/WidgetRefresh.h"

#include "ui/MaskedEditText.h"
#include "ui/widgets/LampWidget.h"
#include "ui/widgets/ModelPanel.h"
#include "ui/widgets/PictureSource.h"
#include "ui/widgets/PictureWidget.h"
#include "ui/widgets/StatusPanel.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>

#include <optional>

namespace vardeck::ui {
namespace {

using namespace vardeck::controls;

QString q(const std::string& s) { return QString::fromStdString(s); }
QColor qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

template <class W>
void setTextIfChanged(W* w, const QString& text) {
    if (w->text() != text) w->setText(text);
}

QTabWidget* tabWidgetOf(QWidget* page) {
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs;
    }
    return nullptr;
}

// The text colour goes by value. Passed as a pointer to the caller's local, the
// optimised build read it from the stack slot it also gave the palette below, and a
// label panel showed a stray text colour.
void setBackground(QWidget* widget, Rgb color, std::optional<Rgb> text = std::nullopt) {
    QPalette p = widget->palette();
    if (p.color(QPalette::Window) == qcolor(color) && (!text || p.color(QPalette::WindowText) == qcolor(*text))) return;
    p.setColor(QPalette::Window, qcolor(color));
    if (text) p.setColor(QPalette::WindowText, qcolor(*text));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

// The filled part of a progress bar is drawn in the palette's highlight colour.
void showBarColor(QProgressBar* bar, Rgb color) {
    QPalette p = bar->palette();
    if (p.color(QPalette::Highlight) == qcolor(color)) return;
    p.setColor(QPalette::Highlight, qcolor(color));
    bar->setPalette(p);
}

void showComboBox(ComboBox& model, QObject* object) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        QStringList items;
        for (auto& item : model.items()) items << q(item);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        // The caption is what the list shows while none of its items is selected.
        if (combo->placeholderText() != q(model.caption())) combo->setPlaceholderText(q(model.caption()));
        combo->setCurrentIndex(model.itemIndex());
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        if (group->title() != q(model.caption())) group->setTitle(q(model.caption()));
        auto buttons = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
        // Clearing the choice needs exclusivity off for a moment.
        for (auto* b : buttons) b->setAutoExclusive(false);
        for (int i = 0; i < buttons.size(); ++i) {
            if (i < model.count()) setTextIfChanged(buttons[i], q(model.items()[i]));
            buttons[i]->setChecked(i == model.itemIndex());
        }
        for (auto* b : buttons) b->setAutoExclusive(true);
    }
}

void showCheckList(CheckList& model, QListWidget* list) {
    while (list->count() < model.count()) {
        auto* item = new QListWidgetItem(list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
    for (int i = 0; i < model.count(); ++i) {
        auto* item = list->item(i);
        item->setText(q(model.itemCaption(i)));
        item->setCheckState(model.checked(i) ? Qt::Checked : Qt::Unchecked);
        Qt::ItemFlags flags = item->flags();
        flags.setFlag(Qt::ItemIsEnabled, model.itemEnabled(i));
        item->setFlags(flags);
    }
}

void showGrid(Grid& grid, QTableWidget* table) {
    const int rows = grid.rowCount() - grid.fixedRows();
    if (table->rowCount() != rows) table->setRowCount(rows);
    if (table->columnCount() != grid.colCount()) table->setColumnCount(grid.colCount());
    for (int c = 0; c < grid.colCount() && grid.fixedRows() > 0; ++c) {
        const QString text = q(grid.cell(0, c));
        const QTableWidgetItem* header = table->horizontalHeaderItem(c);
        if (!header || header->text() != text) table->setHorizontalHeaderItem(c, new QTableWidgetItem(text));
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < grid.colCount(); ++c) {
            const QString text = q(grid.cell(r + grid.fixedRows(), c));
            auto* item = table->item(r, c);
            if (!item) table->setItem(r, c, new QTableWidgetItem(text));
            else if (item->text() != text) item->setText(text);
        }
    }
}

// A text of several lines; a line break is "\r\n", "\r" or "\n" in the model (the
// module's answers end lines with "\r\n"), one paragraph break on the widget.
void showMultiLine(const std::string& text, QPlainTextEdit* memo) {
    QString shown = q(text);
    shown.replace("\r\n", "\n").replace('\r', '\n');
    if (memo->toPlainText() != shown) memo->setPlainText(shown);
}

void showPanel(Panel& model, QObject* object) {
    if (auto* panel = qobject_cast<ModelPanel*>(object)) {
        panel->setCaption(q(model.caption()));
        panel->setColors(qcolor(model.color()), qcolor(model.fontColor()));
        panel->showPicture(q(model.picture()));
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        setTextIfChanged(label, q(model.caption()));
        setBackground(label, model.color(), model.fontColor());
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        setBackground(widget, model.color());
    }
}

void showPicture(Picture& model, QObject* object) {
    if (auto* picture = qobject_cast<PictureWidget*>(object)) {
        picture->showPicture(q(model.picture()));
    } else if (auto* label = qobject_cast<QLabel*>(object); label && !model.picture().empty()) {
        label->setPixmap(loadPicture(q(model.picture())));
    }
}

void showForm(Form& model, QWidget* window) {
    if (window->windowTitle() != q(model.caption())) window->setWindowTitle(q(model.caption()));
    setBackground(window, model.color());
    if (!model.icon().empty()) {
        const QPixmap icon = loadPicture(q(model.icon()));
        if (!icon.isNull()) window->setWindowIcon(QIcon(icon));
    }
}

void showMenuItem(MenuItem& model, QAction* action) {
    setTextIfChanged(action, q(model.caption()));
    action->setCheckable(model.checkable());
    if (model.checkable()) action->setChecked(model.checked());
    action->setEnabled(model.enabled());
    action->setVisible(model.visible());
}

}  // namespace

void showControlState(Control& control, QObject* object) {
    switch (control.kind()) {
        case ControlKind::Label:
            if (auto* label = qobject_cast<QLabel*>(object)) setTextIfChanged(label, q(control.caption()));
            else if (auto* group = qobject_cast<QGroupBox*>(object)) group->setTitle(q(control.caption()));
            break;
        case ControlKind::Button:
            if (auto* button = qobject_cast<QAbstractButton*>(object)) setTextIfChanged(button, q(control.caption()));
            break;
        case ControlKind::CheckBox:
            if (auto* box = qobject_cast<QAbstractButton*>(object)) {
                setTextIfChanged(box, q(control.caption()));
                box->setChecked(static_cast<CheckBox&>(control).checked());
            }
            break;
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(object)) {
                auto& model = static_cast<Edit&>(control);
                // Compared as the model reads the field, so that a refresh leaves the
                // blanks of a masked edit, and its cursor, where the user put them.
                const QString text = q(model.text());
                if (modelText(*edit) != text) edit->setText(text);
                if (model.maxLength() != 0) edit->setMaxLength(static_cast<int>(model.maxLength()));
            } else if (auto* memo = qobject_cast<QPlainTextEdit*>(object)) {
                showMultiLine(static_cast<Edit&>(control).text(), memo);
            }
            break;
        case ControlKind::ComboBox: showComboBox(static_cast<ComboBox&>(control), object); break;
        case ControlKind::SpinEdit:
            if (auto* spin = qobject_cast<QSpinBox*>(object)) {
                auto& model = static_cast<SpinEdit&>(control);
                spin->setRange(model.minValue(), model.maxValue());
                spin->setValue(model.value());
            }
            break;
        case ControlKind::CheckList:
            if (auto* list = qobject_cast<QListWidget*>(object)) showCheckList(static_cast<CheckList&>(control), list);
            break;
        case ControlKind::Grid:
            if (auto* table = qobject_cast<QTableWidget*>(object)) showGrid(static_cast<Grid&>(control), table);
            break;
        case ControlKind::Page:
            if (auto* page = qobject_cast<QWidget*>(object)) {
                if (QTabWidget* tabs = tabWidgetOf(page)) {
                    const int index = tabs->indexOf(page);
                    // Only what changed: Qt 6.4's tab bar lays itself out wrongly when
                    // the caption of a hidden tab is set again on every refresh.
                    if (index >= 0) {
                        const QString caption = q(control.caption());
                        if (tabs->tabText(index) != caption) tabs->setTabText(index, caption);
                        if (tabs->isTabVisible(index) != control.visible()) tabs->setTabVisible(index, control.visible());
                        if (tabs->isTabEnabled(index) != control.enabled()) tabs->setTabEnabled(index, control.enabled());
                    }
                }
            }
            break;
        case ControlKind::StatusBar:
            if (auto* bar = qobject_cast<QStatusBar*>(object)) {
                auto& model = static_cast<StatusBar&>(control);
                // The panels in order: labels, and the panels of texts that change often.
                int panel = 0;
                for (QObject* child : bar->children()) {
                    if (panel >= model.count()) break;
                    if (auto* label = qobject_cast<QLabel*>(child)) {
                        setTextIfChanged(label, q(model.panel(panel++)));
                    } else if (auto* counter = qobject_cast<StatusPanel*>(child)) {
                        counter->setText(q(model.panel(panel++)));
                    }
                }
                setBackground(bar, model.color());
            }
            break;
        case ControlKind::Panel: showPanel(static_cast<Panel&>(control), object); break;
        case ControlKind::Picture: showPicture(static_cast<Picture&>(control), object); break;
        case ControlKind::Lamp:
            if (auto* lamp = qobject_cast<LampWidget*>(object)) {
                auto& model = static_cast<Lamp&>(control);
                lamp->setLit(model.lit());
                lamp->setColor(qcolor(model.color()));
            }
            break;
        case ControlKind::Gauge:
            if (auto* bar = qobject_cast<QProgressBar*>(object)) {
                auto& model = static_cast<Gauge&>(control);
                if (bar->maximum() != model.max() || bar->minimum() != 0) bar->setRange(0, model.max());
                if (bar->value() != model.progress()) bar->setValue(model.progress());
                showBarColor(bar, model.color());
            }
            break;
        case ControlKind::MenuItem:
            if (auto* action = qobject_cast<QAction*>(object)) showMenuItem(static_cast<MenuItem&>(control), action);
            break;
        case ControlKind::Form:
            if (auto* window = qobject_cast<QWidget*>(object)) showForm(static_cast<Form&>(control), window);
            break;
    }
}

}  // namespace vardeck::ui
