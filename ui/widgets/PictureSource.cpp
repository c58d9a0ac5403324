#include "ui/widgets/PictureSource.h"

#include "brand/JpegLogo.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace vardeck::ui {
namespace {

// Drawn at the screen's pixel density (2 on a high-density screen), so that the
// drawing stays sharp there; its size in layout units stays the drawing's own.
QPixmap renderSvg(const QString& resource) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return {};
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QSize size = renderer.defaultSize();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
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
