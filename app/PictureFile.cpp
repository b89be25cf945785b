#include "app/PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QSaveFile>

std::optional<QString> savePng(const QImage& picture, const QString& fileName)
{
    // Encoded in memory first: only the file's writing can meet a full disk.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return QCoreApplication::translate("PictureFile", "the picture could not be encoded");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}
