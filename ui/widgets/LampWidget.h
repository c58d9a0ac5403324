#pragma once
#include <QColor>
#include <QWidget>

namespace vardeck::ui {

// A small indicator lamp. A round lamp is lit in its colour or dark; a square lamp
// always shows its colour (the screen changes the colour rather than the state) and
// looks brighter when lit.
class LampWidget : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Round, Square };

    explicit LampWidget(Shape shape, QWidget* parent = nullptr);

    Shape shape() const { return shape_; }
    bool lit() const { return lit_; }
    void setLit(bool on);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    // What the lamp shows at this moment: its colour, or the dark face of an unlit round lamp.
    QColor shownColor() const;

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
    bool lit_ = false;
    QColor color_ = Qt::red;
};

}  // namespace vardeck::ui
