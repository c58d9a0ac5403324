#include "ui/z4/SoundFileFields.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "ui/z4/Z4Pages.h"

namespace vardeck::ui::z4 {
namespace {

class FieldClickFilter : public QObject {
public:
    FieldClickFilter(QObject* parent, std::function<void(const std::string&)> clicked)
        : QObject(parent), clicked_(std::move(clicked)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonPress) return false;
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field || !field->isEnabled() || static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) return false;
        QPointer<QLineEdit> guard(field);
        QTimer::singleShot(0, this, [this, guard] {
            if (guard) clicked_(guard->objectName().toStdString());
        });
        return false;
    }

private:
    std::function<void(const std::string&)> clicked_;
};

}  // namespace

void watchSoundFileFields(QWidget* root, std::function<void(const std::string& field)> clicked) {
    auto* filter = new FieldClickFilter(root, std::move(clicked));
    for (const char* name : kSoundFileFields) {
        if (auto* field = root->findChild<QLineEdit*>(name)) field->installEventFilter(filter);
    }
}

}  // namespace vardeck::ui::z4
