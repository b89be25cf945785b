#pragma once

#include "window/NumberText.h"
#include "window/RunLoop.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// The last run's readings in the teacher's and students' hands: Ctrl+Shift+C copies them to the
// clipboard as a table in the window's language, ready to paste into a spreadsheet in that
// language; "Save readings…" writes them as a CSV file, read the same everywhere. Both are in the
// drawing's context menu beside the picture's actions. During a run the keys wait like any other
// input, and act on the finished run.
class ReadingsActions final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(ReadingsActions)

public:
    // The last run's measurements; nothing before any run.
    using Measured = std::function<const std::optional<window::Measured>&()>;
    // The file to save to, given the one proposed; empty when the user cancels.
    using ChooseFile = std::function<QString(const QString& proposed)>;
    // A name for the file from the settings, such as "glass-critical-750".
    using Name = std::function<QString()>;

    ReadingsActions(QWidget* window, Measured measured, const window::NumberText& numbers, Name name,
                    ChooseFile chooseFile = {});

    void copy();
    void save();

private:
    QWidget* window_;
    Measured measured_;
    const window::NumberText& numbers_;
    Name name_;
    ChooseFile chooseFile_;
    // The folder of the last readings saved, proposed again for the next.
    QString folder_;
};
