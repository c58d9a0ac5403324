// On a screen of device pixel ratio 2 (the test runs under QT_SCALE_FACTOR=2) the
// program's main windows draw their pictures in full resolution and keep every
// widget and every caption inside.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>

#include "tests/ui/UiTestSupport.h"
#include "ui/views/ComprtView.h"
#include "ui/views/Form10View.h"
#include "ui/views/Form1View.h"
#include "ui/views/Form8View.h"
#include "ui/widgets/PictureWidget.h"
#include "ui/z4/Z4ConfiguratorEntry.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::waitUntil;

std::string nameOf(const QWidget* widget) {
    return (widget->window()->objectName() + "/" + widget->objectName() + " (" + widget->metaObject()->className() +
            ")")
        .toStdString();
}

// Widgets outside the window, or single-line captions wider than their widget.
void expectNothingClipped(QWidget& window) {
    const QRect inside = window.rect();
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window) || child->size().isEmpty()) continue;
        const QRect placed(child->mapTo(&window, QPoint()), child->size());
        EXPECT_TRUE(inside.contains(placed)) << nameOf(child) << " lies outside its window";
        QString text;
        int room = 0;
        if (auto* label = qobject_cast<QLabel*>(child); label && !label->wordWrap()) {
            text = label->text();
            room = label->contentsRect().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            text = button->text();
            room = button->width();
        }
        if (text.isEmpty() || text.contains('\n') || text.contains('<')) continue;
        EXPECT_LE(child->fontMetrics().horizontalAdvance(QString(text).remove('&')), room)
            << nameOf(child) << " cuts \"" << text.toStdString() << "\"";
    }
}

TEST(HiDpi, MainWindowsAreSharpAndUnclipped) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run under QT_SCALE_FACTOR=2";
    testing::ProgramRig rig(5.0);
    rig.settings.set("Language", "0");
    rig.settings.set("comport", "/nonexistent/port");
    ui::VardeckApp& app = rig.make();
    for (QWidget* window : std::initializer_list<QWidget*>{&app.form1View(), &app.form10View(), &app.form8View(),
                                                          &app.comprtView(), app.configurator().window()}) {
        window->show();
        ASSERT_TRUE(waitUntil([&] { return window->isVisible(); }, 5s));
        // The captions the activation set, and the layouts that follow them.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        const QPixmap drawn = window->grab();
        EXPECT_EQ(drawn.devicePixelRatio(), 2.0);
        EXPECT_EQ(drawn.size(), window->size() * 2);
        for (auto* picture : window->findChildren<ui::PictureWidget*>()) {
            // Drawings are rendered at 2x; a user's JPEG file keeps its own pixels.
            if (picture->pixmap().isNull() || picture->pictureName().startsWith('/')) continue;
            EXPECT_EQ(picture->pixmap().devicePixelRatio(), 2.0) << nameOf(picture);
        }
        expectNothingClipped(*window);
        window->hide();
    }
}

}  // namespace
}  // namespace vardeck
