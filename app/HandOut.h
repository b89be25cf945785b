#pragma once

#include "window/form/NumberText.h"
#include "window/form/RunLoop.h"
#include "window/handout/Worksheet.h"
#include "window/rules/Menu.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QImage;
class QMenu;
class QPoint;
class QWidget;

// What a run made, in the teacher's hands: the drawing's menu and the window's keys, one action
// for each row of the window's menu table (window/rules/Menu.h). The picture is the whole window's;
// the readings are the last run's. During a run the keys wait like any other input, and act on
// the finished run.
class HandOut final : public QObject {
public:
    // The window's picture at a number of device pixels per pixel.
    using Picture = std::function<QImage(qreal devicePixelRatio)>;
    // The last run's measurements; nothing before any run.
    using Measured = std::function<const std::optional<window::Measured>&()>;
    // A name for a file from what it shows, such as "glass-critical-750".
    using Name = std::function<QString()>;
    // The file to save to, given the one proposed; empty when the user cancels. The platform's
    // save dialog, unless a test stands in for it.
    using ChooseFile = std::function<QString(const QString& proposed)>;

    // The worksheet made of the last run, in the window's language; called only after a run.
    using MakeWorksheet = std::function<window::Worksheet()>;

    struct Sources {
        Picture picture;
        Measured measured;
        Name name;
        ChooseFile chooseFile;
        MakeWorksheet worksheet;
        // The window's picture at a number of device pixels per pixel of its design, whatever its
        // zoom: a worksheet's picture is printed at one size.
        Picture printPicture;
    };

    // `numbers` are the window's language's, as the readings are copied and written in words.
    HandOut(QWidget* window, Sources sources, const window::NumberText& numbers);

    // Offers what there is to hand out: the readings once a run has measured them.
    void offer();
    void act(const window::MenuAction& action);
    // The menu, opened at a point of the window, as the right button, the menu key and Shift+F10
    // ask for it; it leaves at once for what the user does next.
    void openMenu(const QPoint& at);

private:
    void copy(const window::MenuAction& action);
    void save(const window::MenuAction& action);
    // What a file of that action holds; nothing, with the reason, where it could not be made.
    QByteArray contents(const window::MenuAction& action, QString& problem) const;
    QString chooseFile(const window::FileKind& kind, const QString& proposed) const;

    QWidget* window_;
    Sources sources_;
    const window::NumberText& numbers_;
    // Made when it first opens.
    QMenu* menu_{};
    // Where the last file of a kind was saved, proposed again for the next.
    std::map<window::Folder, QString> folders_;
};
