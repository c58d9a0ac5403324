// The firmware view Z4Form9: a borderless red window with rounded corners that shows
// the module's processor and firmware, starts the download and follows its progress.
// The configurator closes it itself when the restarted module answers.
#include <QHBoxLayout>
#include <QLabel>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QRegion>
#include <QVBoxLayout>

#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

constexpr int kCornerRadius = 40;

class FirmwareWindow : public DiagnosticWindow {
public:
    explicit FirmwareWindow(z4screen::Z4Configurator& model)
        : DiagnosticWindow("Z4Form9", model.uploads().firmwareView, model, z4screen::MenuView::Firmware) {
        // No frame and so no close box: "Kilépés" and Escape close it.
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

        QLabel* phase = label("Label1", this);
        phase->setAlignment(Qt::AlignCenter);
        phase->setWordWrap(true);
        QLabel* processor = label("Label2", this);
        processor->setAlignment(Qt::AlignCenter);
        auto* versions = new QHBoxLayout;
        for (const char* name : {"Label3", "Label4", "Label5"}) versions->addWidget(label(name, this), 1, Qt::AlignCenter);
        QLabel* noNewFirmware = label("Label6", this);
        noNewFirmware->setAlignment(Qt::AlignCenter);

        QProgressBar* progress = gauge("ProgressBar1", this);
        progress->setTextVisible(false);

        auto* buttons = new QHBoxLayout;
        QPushButton* start = button("Button1", this);
        start->setAutoDefault(false);
        QPushButton* quit = button("BitBtn1", this);
        quit->setAutoDefault(false);
        for (QPushButton* b : {start, quit}) b->setMinimumWidth(120);
        buttons->addStretch();
        buttons->addWidget(start);
        buttons->addSpacing(24);
        buttons->addWidget(quit);
        buttons->addStretch();

        auto* column = new QVBoxLayout(this);
        // Room for the rounded corners, so that nothing is cut by them.
        column->setContentsMargins(kCornerRadius / 2 + 8, 24, kCornerRadius / 2 + 8, 24);
        column->addWidget(phase);
        column->addWidget(processor);
        column->addLayout(versions);
        column->addWidget(noNewFirmware);
        column->addWidget(progress);
        column->addLayout(buttons);
        resize(520, 260);
        bindButtons({"Button1"}, "BitBtn1");
    }

protected:
    // The window's shape: the rounded rectangle, whatever size it is given.
    void resizeEvent(QResizeEvent* e) override {
        DiagnosticWindow::resizeEvent(e);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
    }
};

}  // namespace

std::unique_ptr<MenuViewWindow> firmwareWindow(z4screen::Z4Configurator& model) {
    return std::make_unique<FirmwareWindow>(model);
}

}  // namespace vardeck::ui::z4
