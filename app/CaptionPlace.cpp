#include "app/CaptionPlace.h"

#include "window/rules/Geometry.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace caption {
namespace {

// A line edit keeps this many pixels between its text margins and its line.
constexpr int lineEditMargin = 2;
// The words' line reaches this many pixels past the designed box on either side: the widest of the
// design's captions ("Interference pattern") needs it.
constexpr int spill = 1;

// The pixels, from the pen, that a caption's letters ink, drawn as the line edit draws them, at one
// device pixel per pixel.
struct Ink {
    int first{}; // the first inked column
    int end{};   // the column after the last
};

Ink inkOf(const QLineEdit* box)
{
    const QString text = box->text();
    const QFontMetricsF metrics(box->font());
    const int room = int(std::ceil(metrics.height()));
    QImage words(int(std::ceil(metrics.horizontalAdvance(text))) + 3 * room, 2 * room,
                 QImage::Format_ARGB32_Premultiplied);
    words.fill(Qt::transparent);
    QPainter painter(&words);
    painter.setFont(box->font());
    painter.drawText(QPoint(room, room), text);
    painter.end();
    int first = words.width();
    int last = -1;
    for (int y = 0; y < words.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(words.constScanLine(y));
        for (int x = 0; x < words.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    if (last < 0)
        return {};
    return {first - room, last + 1 - room};
}

} // namespace

void placeWords(QLineEdit* box, const window::Control& control)
{
    const QRect designed = box->geometry();
    const QString text = box->text();
    // What the line edit takes for its words: their line's natural width, laid out as it lays it
    // out, and the cursor's pixel after them.
    QTextLayout layout(text, box->font());
    QTextOption option = layout.textOption();
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const double natural = layout.lineAt(0).naturalTextWidth();
    const int used = int(std::lround(natural)) + 1;
    int lineLeft = designed.left() - spill;
    int lineWidth = designed.width() + 2 * spill;
    if (used > lineWidth) {
        lineLeft -= window::grownLeft(control, used - lineWidth);
        lineWidth = used;
    }
    // Where the line edit puts the words' pen on its line, as its alignment asks.
    int pen = lineLeft;
    const Qt::Alignment align = box->alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignRight)
        pen = lineLeft + lineWidth - used - 1;
    else if (align & Qt::AlignHCenter)
        pen = lineLeft - (used - lineWidth) / 2;
    // The letters' ink a pixel clear of the box's sides: the words move by as few pixels as they
    // must, and where the box is too narrow for them, it takes them in. The ink is the ink at one
    // device pixel per pixel, and the words' place the same at every resolution, so that a picture
    // of the window drawn at another (the driver's, or one saved at twice) shows them where the
    // window does; a pixel clear at one holds at the resolutions screens take.
    const Ink ink = inkOf(box);
    const int from = designed.left() + 1;
    const int to = designed.left() + designed.width() - 1;
    if (ink.end > ink.first && ink.end - ink.first <= to - from) {
        const int shift = std::max(from - (pen + ink.first), 0) - std::max(pen + ink.end - to, 0);
        lineLeft += shift;
        pen += shift;
    }
    int left = designed.left();
    int right = designed.left() + designed.width();
    if (ink.end > ink.first) {
        left = std::min(left, pen + ink.first - 1);
        right = std::max(right, pen + ink.end + 1);
    }
    box->setGeometry(left, designed.top(), right - left, designed.height());
    // The line stays where it is, whatever the box took in.
    const QMargins margins = box->textMargins();
    box->setTextMargins(lineLeft - lineEditMargin - left, margins.top(),
                        right - (lineLeft + lineWidth) - lineEditMargin, margins.bottom());
}

// The line edit centres its line between its text margins, which are set about the line where the
// rule puts it, a line's height beyond it on either side, so that they clip nothing of the letters.
void placeLine(QLineEdit* box)
{
    const QString text = box->text();
    const QFontMetrics metrics = box->fontMetrics();
    const int line = std::max(metrics.boundingRect(text).height(), metrics.height());
    const int height = box->height();
    const QRectF ink = QFontMetricsF(box->font()).tightBoundingRect(text);
    // In device pixels; the line edit puts its line on whole pixels of its own.
    const double d = box->devicePixelRatioF();
    const double top = window::captionLineTop(
        {height * d, double((height - line + 1) / 2) * d, metrics.ascent() * d, -ink.top() * d, ink.bottom() * d, d});
    const int lineTop = int(std::lround(top / d));
    const QMargins margins = box->textMargins();
    box->setTextMargins(margins.left(), lineTop - line, margins.right(), height - lineTop - 2 * line);
}

} // namespace caption
