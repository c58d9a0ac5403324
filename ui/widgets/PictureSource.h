#pragma once
#include <QPixmap>
#include <QString>

namespace vardeck::ui {

// The image behind a picture name of the screen models:
//   a path ("/home/x/logo.jpg")  the file; JPEG files are decoded with libjpeg
//   "flags/hungarian"            the drawing :/flags/hungarian.svg of the resources
//   "logo", "fallback"           the drawings :/pictures/logo.svg, :/pictures/fallback.svg
// Drawings are rendered at their own size, in as many pixels as the screen's pixel
// density asks. An empty or unknown name, or a file that does not load, gives a
// null pixmap.
QPixmap loadPicture(const QString& name);

}  // namespace vardeck::ui
