#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Saves what the window hands out: a picture as a PNG file, the readings as a CSV file. The file
// is written to a temporary file beside the target and renamed over it only once the whole of it
// is written, so a full disk or a failing device never leaves a truncated file behind, nor harms
// the file that was there. Each returns why the file could not be saved, or nothing when it was.
std::optional<QString> saveFile(const QByteArray& contents, const QString& fileName);
std::optional<QString> savePng(const QImage& picture, const QString& fileName);
