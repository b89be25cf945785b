#include "app/HandOut.h"

#include "app/Languages.h"
#include "app/WorksheetPdf.h"
#include "window/formats/WholeFile.h"
#include "window/handout/Readings.h"
#include "window/handout/Workbook.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>

namespace {

QString words(const char* text)
{
    return QString::fromStdString(languages::translate(window::menuContext, text));
}

QString standardFolder(window::Folder folder)
{
    return QStandardPaths::writableLocation(folder == window::Folder::Pictures ? QStandardPaths::PicturesLocation
                                                                               : QStandardPaths::DocumentsLocation);
}

// Encoded in memory first: only the file's writing can meet a full disk.
QByteArray pngOf(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, "PNG") ? png : QByteArray();
}

// The desktop's rows of the window's menu, its actions one to one.
std::span<const window::MenuAction> rows()
{
    return window::menu(window::View::Desktop);
}

} // namespace

HandOut::HandOut(QWidget* window, Sources sources, const window::NumberText& numbers)
    : QObject(window)
    , window_(window)
    , sources_(std::move(sources))
    , numbers_(numbers)
{
    for (const window::MenuAction& row : rows()) {
        auto* action = new QAction(words(row.words), window);
        action->setShortcut(QKeySequence(QString::fromLatin1(row.keys), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, &row] { act(row); });
        // The window hears the keys; the menu shows them beside the words.
        window->addAction(action);
    }
    offer();
    // The drawing lets clicks through to the window, whose menu this is.
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { openMenu(at); });
}

void HandOut::offer()
{
    const QList<QAction*> actions = window_->actions();
    for (std::size_t k = 0; k < rows().size(); ++k)
        actions[qsizetype(k)]->setEnabled(!rows()[k].needsRun || sources_.measured().has_value());
}

void HandOut::openMenu(const QPoint& at)
{
    if (!menu_) {
        menu_ = new QMenu(window_);
        const QList<QAction*> actions = window_->actions();
        for (std::size_t k = 0; k < rows().size(); ++k) {
            if (k > 0 && rows()[k].group != rows()[k - 1].group)
                menu_->addSeparator();
            menu_->addAction(actions[qsizetype(k)]);
        }
    }
    // Its first item chosen, as on the page: the same keys choose the same item on both.
    menu_->popup(window_->mapToGlobal(at));
    menu_->setActiveAction(menu_->actions().constFirst());
}

void HandOut::act(const window::MenuAction& action)
{
    if (action.how == window::Way::Copy)
        copy(action);
    else
        save(action);
}

void HandOut::copy(const window::MenuAction& action)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (action.what == window::Handed::Picture)
        clipboard->setImage(sources_.picture(window_->devicePixelRatioF() * action.scale));
    else
        clipboard->setText(QString::fromStdString(window::readingsTable(sources_.measured(), numbers_)));
}

// Proposed under its name in the folder last saved to, asked for, remembered, saved whole; the
// user is told when it could not be.
void HandOut::save(const window::MenuAction& action)
{
    const window::FileKind& kind = *action.file;
    const auto folder = folders_.try_emplace(kind.folder, standardFolder(kind.folder)).first;
    const QString proposed =
        QDir(folder->second)
            .filePath(QString::fromStdString(window::fileNameFor(action, sources_.name().toStdString())));
    const QString file = chooseFile(kind, proposed);
    if (file.isEmpty())
        return;
    folder->second = QFileInfo(file).absolutePath();
    QString problem;
    const QByteArray bytes = contents(action, problem);
    if (problem.isEmpty()) {
        if (const std::optional<std::string> why =
                window::writeWhole(QFile::encodeName(file).toStdString(), std::string_view(bytes.data(), bytes.size())))
            problem = QString::fromLocal8Bit(why->c_str());
    }
    if (problem.isEmpty())
        return;
    // Plain text: the file's name is the user's, and is never read as markup.
    QMessageBox box(QMessageBox::Warning, languages::title(), words(kind.notSaved).arg(file, problem), QMessageBox::Ok,
                    window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QByteArray HandOut::contents(const window::MenuAction& action, QString& problem) const
{
    if (action.what == window::Handed::Readings)
        return QByteArray::fromStdString(
            window::readingsFile(action.file->format, sources_.measured(), numbers_, languages::translate));
    if (action.what == window::Handed::Worksheet)
        return worksheetPdf(sources_.worksheet(), sources_.printPicture(window::worksheetPictureRatio));
    const QByteArray png = pngOf(sources_.picture(window_->devicePixelRatioF() * action.scale));
    if (png.isEmpty())
        problem = QCoreApplication::translate("PictureFile", "the picture could not be encoded");
    return png;
}

QString HandOut::chooseFile(const window::FileKind& kind, const QString& proposed) const
{
    if (sources_.chooseFile)
        return sources_.chooseFile(proposed);
    return QFileDialog::getSaveFileName(window_, words(kind.dialogTitle), proposed, words(kind.filter));
}
