#include "app/ReadingsActions.h"

#include "app/SaveFile.h"
#include "app/WindowActions.h"
#include "window/Readings.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QWidget>

ReadingsActions::ReadingsActions(QWidget* window, Measured measured, const window::NumberText& numbers, Name name,
                                 ChooseFile chooseFile)
    : QObject(window)
    , window_(window)
    , measured_(std::move(measured))
    , numbers_(numbers)
    , name_(std::move(name))
    , chooseFile_(std::move(chooseFile))
    , folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    windowActions::separate(window);
    windowActions::add(window, tr("Copy readings"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copy(); });
    windowActions::add(window, tr("Save readings\u2026"), QKeySequence(), [this] { save(); });
}

void ReadingsActions::copy()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(window::readingsTable(measured_(), numbers_)));
}

void ReadingsActions::save()
{
    const QString proposed = QDir(folder_).filePath(name_() + QStringLiteral(".csv"));
    const QString file =
        chooseFile_ ? chooseFile_(proposed)
                    : QFileDialog::getSaveFileName(window_, tr("Save readings"), proposed, tr("CSV files (*.csv)"));
    if (file.isEmpty())
        return;
    folder_ = QFileInfo(file).absolutePath();
    const QByteArray csv = QByteArray::fromStdString(window::readingsCsv(measured_()));
    if (const std::optional<QString> problem = saveFile(csv, file))
        windowActions::tellProblem(window_,
                                   tr("The readings could not be saved as \u201C%1\u201D.\n\n%2").arg(file, *problem));
}
