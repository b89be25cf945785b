#pragma once

#include "app/MainWindow.h"
#include "window/form/Glossary.h"

#include <QLineEdit>
#include <QtTest>

// A run draws frame by frame in the event loop: waits, handling events as a user's desktop does,
// until it has drawn its last.
inline bool runEnded(const MainWindow& window, int timeoutMs = 60000)
{
    return QTest::qWaitFor([&window] { return !window.running(); }, timeoutMs);
}

// Start pressed as a click on it would: the window then does what the click asks (a run's first
// frame, a refusal, the close).
inline void start(MainWindow& window)
{
    window.act(window.form().click(window::name::cmdStart));
}

// Text put into a box as the user puts it, over its whole text (as a paste over a selection): the
// form hears a user's edits, never the window's own writes.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    box->insert(text);
}
