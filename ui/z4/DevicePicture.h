#pragma once
#include <QString>
#include <QWidget>

namespace vardeck::ui::z4 {

// The picture of the connected model at the top of the configurator: the module
// drawing with the model's name beside it.
class DevicePicture : public QWidget {
    Q_OBJECT
public:
    explicit DevicePicture(QWidget* parent = nullptr);
    void setModelName(const QString& name);
    const QString& modelName() const { return name_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
};

}  // namespace vardeck::ui::z4
