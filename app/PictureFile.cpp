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
    // Unbuffered, so that a full disk fails the writing itself: a picture small enough to wait in
    // the file's buffer would otherwise meet it only as the file is committed, which Qt then takes
    // for a success, leaving an empty file in place of the old one.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(png) != png.size()) {
        const QString problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
