// A signal to end becomes one call on the event loop; the old handlers come back afterwards.
#include "platform/quit_signals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(QuitSignals, EachSignalIsOneCallFromTheEventLoopAndTheOldHandlerComesBack) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        struct sigaction before = {};
        ::sigaction(number, nullptr, &before);
        int calls = 0;
        {
            const QuitSignals requests([&] { ++calls; });
            ::raise(number);
            ::raise(number);
            EXPECT_EQ(calls, 0); // nothing runs inside the handler
            QElapsedTimer waited;
            waited.start();
            while (calls == 0 && waited.elapsed() < 2000) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            }
            QCoreApplication::processEvents();
            EXPECT_EQ(calls, 1); // both came before the loop looked: one request
        }
        struct sigaction after = {};
        ::sigaction(number, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
}
