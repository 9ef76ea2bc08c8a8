#pragma once
// JPEG pictures decoded with libjpeg's own API. A damaged picture gives an
// error text, never a crash and never an exit of the process.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmar {

// The picture as a 32-bit RGB image; a null image and `error` filled when the
// data is not a JPEG picture libjpeg can read.
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

} // namespace velmar
