#pragma once
#include <QFrame>
#include <QRawFont>
#include <QString>

namespace vardeck::ui {

// A status bar panel whose text changes many times a second (the search's frame
// counters, one new count a probe). A QLabel would lay the whole bar out again after
// every new text and shape the text afresh for every paint; this panel has the fixed
// width of its design, so a new text repaints the panel alone, and draws a plain
// short text straight from the font's glyphs. Texts with characters the font lacks
// are drawn as any label draws them.
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    StatusPanel(int width, QWidget* parent);

    const QString& text() const { return text_; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fontChanged();

    int width_;
    QString text_;
    QRawFont glyphs_;
};

}  // namespace vardeck::ui
