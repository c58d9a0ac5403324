// The event-log view z4Form5: "Olvasás" reads the module's last events into the grid,
// a row as each record arrives, with the count read so far beside the button.
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

class EventLogWindow : public DiagnosticWindow {
public:
    explicit EventLogWindow(z4screen::Z4Configurator& model)
        : DiagnosticWindow("z4Form5", model.diagnostics().logView, model, z4screen::MenuView::EventLog) {
        QTableWidget* table = grid("StringGrid1", this);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->verticalHeader()->hide();  // the first column numbers the records
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->horizontalHeader()->setStretchLastSection(true);

        auto* row = new QHBoxLayout;
        QPushButton* read = button("BitBtn1", this);
        read->setMinimumWidth(100);
        row->addWidget(read);
        row->addWidget(label("Label1", this));
        row->addStretch();

        auto* column = new QVBoxLayout(this);
        column->addWidget(table, 1);
        column->addLayout(row);
        resize(640, 360);
        bindButtons({"BitBtn1"}, nullptr);
    }
};

}  // namespace

std::unique_ptr<MenuViewWindow> eventLogWindow(z4screen::Z4Configurator& model) {
    return std::make_unique<EventLogWindow>(model);
}

}  // namespace vardeck::ui::z4
