#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Saves a picture as a PNG file. The picture is written to a temporary file beside the target
// and renamed over it only once the whole of it is written, so a full disk or a failing device
// never leaves a truncated picture behind, nor harms the file that was there.
// Returns why the picture could not be saved, or nothing when it was.
std::optional<QString> savePng(const QImage& picture, const QString& fileName);
