#include "ui/devices/GeofenceWindow.h"

#include "devices/GeofenceScreen.h"
#include "ui/ScreenSync.h"
#include "ui/devices/GeofenceWiringView.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vardeck::ui {
namespace {

QPushButton* button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setMinimumWidth(110);
    return b;
}

QLabel* label(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

GeofenceWindow::GeofenceWindow(devices::GeofenceScreen& model, ScreenSync& sync)
    : ViewWindow("Form7", sync), model_(model) {
    auto* phone = new QHBoxLayout;
    phone->addWidget(label("Label1", this));
    auto* edit1 = new QLineEdit(this);
    edit1->setObjectName("Edit1");
    edit1->setMaxLength(devices::GeofenceScreen::kPhoneLength);
    phone->addWidget(edit1, 1);

    // The two captions stand over the minimum and the maximum pair of columns.
    auto* captions = new QHBoxLayout;
    captions->addSpacing(40);
    captions->addWidget(label("Label2", this), 1, Qt::AlignHCenter);
    captions->addWidget(label("Label3", this), 1, Qt::AlignHCenter);

    table_ = new QTableWidget(this);
    table_->setObjectName("StringGrid1");
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* buttons = new QHBoxLayout;
    for (const char* name : {"BitBtn2", "BitBtn1", "BitBtn4"}) buttons->addWidget(button(name, this));
    buttons->addStretch(1);
    buttons->addWidget(button("BitBtn3", this));

    auto* status = new QHBoxLayout;
    status->addWidget(label("Label6", this));
    auto* progress = new QProgressBar(this);
    progress->setObjectName("ProgressBar1");
    progress->setTextVisible(false);
    status->addWidget(progress, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(phone);
    layout->addLayout(captions);
    layout->addWidget(table_, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
    resize(640, 600);

    wiring_ = new GeofenceWiringView(this);
    bind(model_.controls());
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    binder().afterRefresh = [this] { showTable(); };
    showTable();

    onShown = [this] { model_.FormActivate(); };
    onAction("BitBtn2", [this] { model_.BitBtn2Click(); });
    onAction("BitBtn1", [this] { model_.BitBtn1Click(); });
    onAction("BitBtn4", [this] { model_.BitBtn4Click(); });
    onAction("BitBtn3", [this] { close(); });
    model_.showWiringDiagram = [this] { wiring_->open(); };
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row, int col) { model_.StringGrid1.select(row + model_.StringGrid1.fixedRows(), col); });
}

GeofenceWindow::~GeofenceWindow() { model_.showWiringDiagram = nullptr; }

bool GeofenceWindow::event(QEvent* e) {
    // Coming back to the window (from the wiring diagram or another program) is an
    // activation too: the header and the row numbers are written again.
    if (e->type() == QEvent::WindowActivate) sync().handle([this] { model_.FormActivate(); });
    return ViewWindow::event(e);
}

// What the grid control leaves to the view: the row numbers cannot be edited, and the
// model's selected cell is the table's current cell.
void GeofenceWindow::showTable() {
    for (int r = 0; r < table_->rowCount(); ++r) {
        QTableWidgetItem* number = table_->item(r, 0);
        if (number && (number->flags() & Qt::ItemIsEditable)) {
            number->setFlags(number->flags() & ~Qt::ItemIsEditable);
            number->setBackground(palette().button());
            number->setTextAlignment(Qt::AlignCenter);
        }
    }
    const controls::Grid& grid = model_.StringGrid1;
    const int row = grid.selectedRow() - grid.fixedRows();
    const int col = grid.selectedCol();
    if (row < 0 || col < 0 || row >= table_->rowCount() || col >= table_->columnCount()) return;
    if (table_->currentRow() != row || table_->currentColumn() != col) {
        table_->setCurrentCell(row, col);
        if (QTableWidgetItem* item = table_->item(row, col)) table_->scrollToItem(item);
    }
}

}  // namespace vardeck::ui
