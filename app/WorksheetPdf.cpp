#include "app/WorksheetPdf.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {

QString plain(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString paragraph(const std::string& text, const char* style = "")
{
    return QStringLiteral("<p style=\"%1\">%2</p>").arg(QLatin1String(style), plain(text));
}

QString heading(const std::string& text)
{
    return QStringLiteral("<h2>%1</h2>").arg(plain(text));
}

QString table(const window::WorksheetTable& t)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><tr>");
    for (const std::string& h : t.header)
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(plain(h));
    html += QStringLiteral("</tr>");
    for (const std::vector<std::string>& row : t.rows) {
        html += QStringLiteral("<tr>");
        for (const std::string& cell : row)
            html += QStringLiteral("<td>%1</td>").arg(plain(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The sheet as the rich text Qt lays out: every word escaped, since nothing of it is markup.
QString html(const window::Worksheet& sheet, int pictureWidth)
{
    QString h = QStringLiteral("<h1>%1</h1>").arg(plain(sheet.title)) + paragraph(sheet.nameLine);
    h += QStringLiteral("<p><img src=\"picture:run\" width=\"%1\"></p>").arg(pictureWidth);
    h += paragraph(sheet.pictureCaption, "font-style: italic;");
    h += heading(sheet.settingsTitle) + QStringLiteral("<ul>");
    for (const std::string& line : sheet.settings)
        h += QStringLiteral("<li>%1</li>").arg(plain(line));
    h += QStringLiteral("</ul>") + heading(sheet.measuredTitle) + table(sheet.measured) +
         paragraph(sheet.positionsNote, "font-size: small;");
    // Each question with lines of room below it for the working.
    h += QStringLiteral("<h2 style=\"page-break-before: always;\">%1</h2>").arg(plain(sheet.questionsTitle));
    for (std::size_t k = 0; k < sheet.questions.size(); ++k) {
        h += QStringLiteral("<p><b>%1.</b> %2</p>").arg(k + 1).arg(plain(sheet.questions[k]));
        h += QStringLiteral("<p style=\"margin-bottom: 90px;\">&nbsp;</p>");
    }
    h += QStringLiteral("<h1 style=\"page-break-before: always;\">%1</h1>").arg(plain(sheet.keyTitle));
    for (std::size_t k = 0; k < sheet.answers.size(); ++k)
        h += QStringLiteral("<p><b>%1.</b> %2</p>").arg(k + 1).arg(plain(sheet.answers[k]));
    h += heading(sheet.resultTitle) + paragraph(sheet.result);
    return h;
}

} // namespace

QByteArray worksheetPdf(const window::Worksheet& sheet, const QImage& picture)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16),
                                     QPageLayout::Millimeter));
    writer.setTitle(QString::fromStdString(sheet.title));
    writer.setCreator(QStringLiteral("Total reflection"));

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 11));
    // Laid out at the page's size in the pixels rich text measures in (96 to an inch), so that a
    // font's points are printed points.
    constexpr int textDpi = 96;
    const QSizeF page = writer.pageLayout().paintRectPixels(textDpi).size();
    document.setPageSize(page);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture:run")), picture);
    // The picture a little narrower than the text, so that the run's settings and its table
    // share its page.
    const int width = int((page.width() - 2 * document.documentMargin()) * 0.8);
    document.setHtml(html(sheet, width));
    document.print(&writer);
    return pdf;
}
