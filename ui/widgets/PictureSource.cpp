#include "ui/widgets/PictureSource.h"

#include "brand/JpegLogo.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace vardeck::ui {
namespace {

QPixmap renderSvg(const QString& resource) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return {};
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

bool isJpegName(const QString& path) {
    return path.endsWith(".jpg", Qt::CaseInsensitive) || path.endsWith(".jpeg", Qt::CaseInsensitive);
}

QPixmap loadFile(const QString& path) {
    if (!isJpegName(path)) return QPixmap(path);
    const std::optional<RgbImage> image = decodeJpegFile(path.toStdString());
    if (!image) return {};
    const QImage view(image->rgb.data(), image->width, image->height, image->width * 3, QImage::Format_RGB888);
    return QPixmap::fromImage(view.copy());  // the copy owns its pixels
}

}  // namespace

QPixmap loadPicture(const QString& name) {
    if (name.isEmpty()) return {};
    if (name.startsWith('/')) return loadFile(name);
    for (const QString& resource : {":/" + name + ".svg", ":/pictures/" + name + ".svg"}) {
        if (QFile::exists(resource)) return renderSvg(resource);
    }
    return {};
}

}  // namespace vardeck::ui
