#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>

class QImage;
class QWidget;

// The picture in the teacher's hands: Ctrl+C copies the window's picture to the clipboard,
// Ctrl+S saves it as a PNG file at the screen's resolution, Ctrl+Shift+S at twice that,
// drawn afresh. The same three are offered by the drawing area's context menu. During a run
// the keys wait like any other input, and act on the finished picture.
class PictureActions final : public QObject {
    // Its words are translated in a context of its own, with no meta-object of its own.
    Q_DECLARE_TR_FUNCTIONS(PictureActions)

public:
    // The window's picture at a number of device pixels per pixel.
    using Picture = std::function<QImage(qreal devicePixelRatio)>;
    // The file to save to, given the one proposed; empty when the user cancels. The platform's
    // save dialog, unless a test stands in for it.
    using ChooseFile = std::function<QString(const QString& proposed)>;
    // A name for the picture from the settings, such as "glass-critical-750".
    using Name = std::function<QString()>;

    PictureActions(QWidget* window, Picture picture, Name name, ChooseFile chooseFile = {});

    void copy();
    void save(qreal times);

private:
    QString askForFile(const QString& proposed) const;

    QWidget* window_;
    Picture picture_;
    Name name_;
    ChooseFile chooseFile_;
    // The folder of the last picture saved, proposed again for the next one.
    QString folder_;
};
