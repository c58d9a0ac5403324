#include "ui/app/ProgramIcon.h"

#include "ui/widgets/PictureSource.h"

namespace vardeck::ui {

QIcon programIcon(int brand) {
    QPixmap picture = loadPicture(QString("brand%1/icon").arg(brand));
    if (picture.isNull()) picture = loadPicture("icon");
    return QIcon(picture);
}

}  // namespace vardeck::ui
