#include "app/SaveFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QSaveFile>

std::optional<QString> saveFile(const QByteArray& contents, const QString& fileName)
{
    // Unbuffered, so that a full disk fails the writing itself: a file small enough to wait in
    // its buffer would otherwise meet it only as the file is committed, which Qt then takes for a
    // success, leaving an empty file in place of the old one.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(contents) != contents.size()) {
        const QString problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> savePng(const QImage& picture, const QString& fileName)
{
    // Encoded in memory first: only the file's writing can meet a full disk.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return QCoreApplication::translate("PictureFile", "the picture could not be encoded");
    return saveFile(png, fileName);
}
