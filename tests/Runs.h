#pragma once

#include "app/frmKavrona.h"

#include <QtTest>

// A run draws frame by frame in the event loop: waits, handling events as a user's desktop does,
// until it has drawn its last.
inline bool runEnded(const frmKavrona& window, int timeoutMs = 60000)
{
    return QTest::qWaitFor([&window] { return !window.running(); }, timeoutMs);
}
