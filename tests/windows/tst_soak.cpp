// The victory show run for an hour of steps: memory and stack stay flat.

// Local
#include "game.h"
#include "module1.h"
#include "playing.h"
#include "tilesetfiles.h"
#include "tileview.h"

// Qt
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A figure of /proc/self/status in kB, e.g. "VmRSS".
qint64 statusKb(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void anHourOfTheShowKeepsMemoryAndStackFlat();
};

void SoakTest::anHourOfTheShowKeepsMemoryAndStackFlat()
{
    QTemporaryDir workingDir;
    QVERIFY(QDir::setCurrent(workingDir.path()));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("1")));
    Module1 module;
    module.CardSet = QStringLiteral("1");
    Game game(module);
    game.setAttribute(Qt::WA_DeleteOnClose, false);
    game.setTimeOfDay([] { return 43200.0f; });
    game.setRandomSeed(2);
    game.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&game));
    game.Command1_Click();
    for (const auto& [first, second] : testing::clearingOrder(game.board())) {
        game.Image1_Click(first);
        game.Image1_Click(second);
    }
    QVERIFY(game.celebrating());
    game.celebrationTimer()->stop(); // the loop below drives the steps, 20 a second of show

    constexpr int kHour = 72000;
    // The allocators settle first (AddressSanitizer's takes some thousands of steps); from then
    // on nothing may grow.
    constexpr int kWarmUp = 8000;
    qint64 rssAfterWarmUp = 0;
    qint64 stackAfterWarmUp = 0;
    for (int step = 1; step <= kHour; ++step) {
        game.Celebrate();
        if (step % 100 == 0) {
            game.Timer1_Timer();
            QCoreApplication::processEvents(); // repaint, as between real steps
        }
        if (step == kWarmUp) {
            rssAfterWarmUp = statusKb("VmRSS");
            stackAfterWarmUp = statusKb("VmStk");
        }
    }
    const qint64 rss = statusKb("VmRSS");
    const qint64 stack = statusKb("VmStk");
    QCOMPARE(game.tileView()->circlesDrawn(), kHour + 1);
    qInfo("after %d steps: RSS %lld kB, stack %lld kB; after %d steps: RSS %lld kB, stack %lld kB",
          kWarmUp, rssAfterWarmUp, stackAfterWarmUp, kHour, rss, stack);
    QVERIFY(rssAfterWarmUp > 0 && stackAfterWarmUp > 0);
    QVERIFY2(rss - rssAfterWarmUp < 1024, "memory grew by a megabyte or more");
    QCOMPARE(stack, stackAfterWarmUp);
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
