#include "ui/app/DeviceScreenEntry.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace vardeck::ui {

DeviceScreenEntry::DeviceScreenEntry(const QString& objectName, const QString& caption)
    : window_(std::make_unique<QWidget>()), label3_(new QLabel(caption, window_.get())) {
    window_->setObjectName(objectName);
    window_->setWindowTitle(caption);
    label3_->setObjectName("Label3");
    label3_->setAlignment(Qt::AlignCenter);
    QFont big = label3_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    label3_->setFont(big);
    auto* layout = new QVBoxLayout(window_.get());
    layout->addWidget(label3_);
    window_->resize(480, 200);
}

DeviceScreenEntry::~DeviceScreenEntry() = default;

void DeviceScreenEntry::setLabel3(const std::string& text) { label3_->setText(QString::fromStdString(text)); }

void DeviceScreenEntry::show() {
    window_->show();
    window_->raise();
}

}  // namespace vardeck::ui
