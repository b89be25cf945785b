#pragma once

// Reading back what a run drew onto a recording surface.

#include "surface/RecordingSurface.h"

#include <QPointF>
#include <QtTest>

#include <vector>

using Op = surface::RecordingSurface::Op;
using Call = surface::RecordingSurface::Call;

inline std::vector<Call> linesOf(const surface::RecordingSurface& recording)
{
    std::vector<Call> lines;
    for (const Call& call : recording.calls) {
        if (call.op == Op::Line)
            lines.push_back(call);
    }
    return lines;
}

inline bool near(double actual, double expected, double tolerance = 0.05)
{
    return std::abs(actual - expected) <= tolerance;
}

#define COMPARE_NEAR(actual, expected, tolerance)                                                                      \
    do {                                                                                                               \
        if (!near((actual), (expected), (tolerance)))                                                                  \
            QFAIL(qPrintable(QStringLiteral("%1 is %2, expected %3 within %4")                                         \
                                 .arg(QString::fromLatin1(#actual))                                                    \
                                 .arg(double(actual), 0, 'g', 10)                                                      \
                                 .arg(double(expected), 0, 'g', 10)                                                    \
                                 .arg(double(tolerance))));                                                            \
    } while (false)
