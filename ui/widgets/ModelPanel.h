#pragma once
#include <QColor>
#include <QFrame>

class QLabel;

namespace vardeck::ui {

class PictureWidget;

// A model panel of the search view: a raised frame in its colour with the model's
// picture and its caption below it. Right-clicking it is the view's business (the
// demo menu).
class ModelPanel : public QFrame {
    Q_OBJECT
public:
    explicit ModelPanel(QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& text);
    void setColors(const QColor& background, const QColor& text);
    QColor background() const;
    // A picture name (PictureSource.h); empty keeps the design's picture.
    void showPicture(const QString& name);
    // The picture the design gives the panel.
    void setDesignPicture(const QString& name);

private:
    PictureWidget* picture_;
    QLabel* caption_;
    QString designPicture_;
};

}  // namespace vardeck::ui
