#include "ui/widgets/StatusPanel.h"

#include <QEvent>
#include <QGlyphRun>
#include <QPainter>

namespace vardeck::ui {

StatusPanel::StatusPanel(int width, QWidget* parent) : QFrame(parent), width_(width) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The panel paints all of itself: neither the bar nor the window below it is
    // painted again for a new text.
    setAutoFillBackground(true);
    fontChanged();
}

void StatusPanel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update(contentsRect());
}

void StatusPanel::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fontChanged();
}

void StatusPanel::fontChanged() {
    glyphs_ = QRawFont::fromFont(font());
    const QMargins m = contentsMargins();
    setFixedSize(width_, fontMetrics().height() + m.top() + m.bottom());
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    if (text_.isEmpty()) return;
    // As a framed label indents its text: half the width of an "x".
    const QRect area = contentsRect().adjusted(fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2, 0, 0, 0);
    painter.setPen(palette().color(foregroundRole()));
    painter.setClipRect(area);

    const QList<quint32> indexes = glyphs_.isValid() ? glyphs_.glyphIndexesForString(text_) : QList<quint32>();
    const bool allGlyphs = indexes.size() == text_.size() && !indexes.contains(0u);
    if (!allGlyphs) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text_);
        return;
    }
    const QList<QPointF> advances = glyphs_.advancesForGlyphIndexes(indexes);
    QList<QPointF> positions;
    positions.reserve(indexes.size());
    qreal x = 0;
    for (const QPointF& advance : advances) {
        positions.append({x, 0});
        x += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(glyphs_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    const qreal textHeight = glyphs_.ascent() + glyphs_.descent();
    const qreal baseline = area.top() + (area.height() - textHeight) / 2 + glyphs_.ascent();
    painter.drawGlyphRun(QPointF(area.left(), baseline), run);
}

}  // namespace vardeck::ui
