#include "app/PictureActions.h"

#include "app/SaveFile.h"
#include "app/WindowActions.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QWidget>

PictureActions::PictureActions(QWidget* window, Picture picture, Name name, ChooseFile chooseFile)
    : QObject(window)
    , window_(window)
    , picture_(std::move(picture))
    , name_(std::move(name))
    , chooseFile_(std::move(chooseFile))
    , folder_(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
{
    windowActions::add(window, tr("Copy picture"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copy(); });
    windowActions::add(window, tr("Save picture\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { save(1); });
    windowActions::add(window, tr("Save picture at twice the resolution\u2026"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { save(2); });
}

void PictureActions::copy()
{
    QGuiApplication::clipboard()->setImage(picture_(window_->devicePixelRatioF()));
}

void PictureActions::save(qreal times)
{
    const QString suffix = times == 1 ? QString() : QStringLiteral("@%1x").arg(times);
    const QString proposed = QDir(folder_).filePath(name_() + suffix + QStringLiteral(".png"));
    const QString file = askForFile(proposed);
    if (file.isEmpty())
        return;
    folder_ = QFileInfo(file).absolutePath();
    const std::optional<QString> problem = savePng(picture_(window_->devicePixelRatioF() * times), file);
    if (problem)
        windowActions::tellProblem(window_,
                                   tr("The picture could not be saved as \u201C%1\u201D.\n\n%2").arg(file, *problem));
}

QString PictureActions::askForFile(const QString& proposed) const
{
    if (chooseFile_)
        return chooseFile_(proposed);
    return QFileDialog::getSaveFileName(window_, tr("Save picture"), proposed, tr("PNG pictures (*.png)"));
}
