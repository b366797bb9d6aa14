#include "platform/SingleInstance.h"
#include "tests/common/TestSupport.h"

#include <QSignalSpy>
#include <QThread>
#include <QUuid>
#include <atomic>
#include <gtest/gtest.h>

TEST(SingleInstance, OnlyTheFirstClaimsAndALaterOneReachesIt) {
    const QString name =
        QStringLiteral("tessaly-single-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    SingleInstance later(name);
    EXPECT_FALSE(later.claim());

    QSignalSpy requests(&first, &SingleInstance::activationRequested);
    std::atomic<bool> answered = false;
    // The later start blocks while it waits for the answer, so it runs beside this event loop.
    QThread* caller =
        QThread::create([&] { answered = later.activateFirst(QStringLiteral("card.ocd")); });
    caller->start();
    EXPECT_TRUE(requests.wait(5000));
    while (!caller->wait(10)) {
        QCoreApplication::processEvents();
    }
    delete caller;
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0][0].toString(), QStringLiteral("card.ocd"));
    EXPECT_TRUE(answered);
}

TEST(SingleInstance, NobodyToReachWhenNoFirstRuns) {
    SingleInstance lonely(QStringLiteral("tessaly-none-") +
                          QUuid::createUuid().toString(QUuid::Id128));
    EXPECT_FALSE(lonely.activateFirst(QString()));
}
