#pragma once
#include <QLabel>
#include <QString>

namespace vardeck::ui {

// A picture that reports clicks (the language flags are pictures the user clicks).
// It remembers which picture name it shows, so that a refresh with the same name
// loads nothing.
class PictureWidget : public QLabel {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    const QString& pictureName() const { return pictureName_; }
    // Shows the named picture (PictureSource.h); an unknown name shows nothing, an
    // empty one the design's picture.
    void showPicture(const QString& name);
    // The picture the design gives the widget, shown while the model names none.
    void setDesignPicture(const QString& name);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString pictureName_;
    QString designPicture_;
};

}  // namespace vardeck::ui
