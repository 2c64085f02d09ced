#include "app/PagewickApplication.h"
#include "app/TfrmSplash.h"
#include "core/ErrorReport.h"
#include "support/ScriptedPrompter.h"
#include "support/WaitUntil.h"

#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ThrowingObject : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Listeindeks uden for grænserne (5)");
        return QObject::event(event);
    }
};

PagewickApplication *application()
{
    return static_cast<PagewickApplication *>(QCoreApplication::instance());
}

TEST(ErrorReport, TheMessageNamesTheErrorAndOffersOkAndCancel)
{
    ScriptedPrompter prompter;
    prompter.expect(QStringLiteral("Programfejl"), Prompter::Ok);
    EXPECT_TRUE(reportUnhandledError(prompter, QStringLiteral("Adgang nægtet")));
    const Prompter::Message &m = prompter.seen().at(0);
    EXPECT_EQ(m.caption, QStringLiteral("Programfejl"));
    EXPECT_EQ(m.text,
              QStringLiteral("Brindle's Pagewick er blevet ramt af en fejl.\r\n\r\nFejlmeddelelse: Adgang nægtet"
                             "\r\n\r\nHvis fejlen bliver ved, når du vælger OK, så vælg Annuller for at "
                             "afslutte Brindle's Pagewick."));
    EXPECT_EQ(m.icon, Prompter::Icon::Stop);
    EXPECT_EQ(m.buttons, Prompter::Ok | Prompter::Cancel);

    prompter.expect(QStringLiteral("%1"), Prompter::Cancel);
    EXPECT_FALSE(reportUnhandledError(prompter, QStringLiteral("%1")));
}

TEST(ErrorReport, AnErrorEscapingAHandlerIsReportedAndOkGoesOn)
{
    ScriptedPrompter prompter;
    int ended = 0;
    application()->setErrorPrompter(&prompter);
    application()->setEndProcess([&] { ++ended; });

    prompter.expect(QStringLiteral("Fejlmeddelelse: Listeindeks uden for grænserne (5)"), Prompter::Ok);
    ThrowingObject target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);

    // Timers and queued calls go through the same report.
    prompter.expect(QStringLiteral("Fejlmeddelelse: timer"), Prompter::Ok);
    QTimer::singleShot(0, &target, [] { throw std::runtime_error("timer"); });
    EXPECT_TRUE(waitUntil([&] { return prompter.allAnswered(); }, 2000));
    EXPECT_EQ(ended, 0);

    prompter.expect(QStringLiteral("Programfejl"), Prompter::Cancel);
    QCoreApplication::sendEvent(&target, &event);
    EXPECT_EQ(ended, 1);
    application()->setErrorPrompter(nullptr);
}

TEST(QtDialogs, SpeakDanish)
{
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuller"));
}

TEST(AboutWindow, ShowsTheReleaseAndClosesOnEscOrAClick)
{
    EXPECT_EQ(TfrmSplash::releaseText(), QStringLiteral(PAGEWICK_RELEASE));
    TfrmSplash about;
    for (int way = 0; way < 2; ++way) {
        // The key or click goes in only once the window is up: on a busy machine a fixed
        // delay could fire before the dialog runs its own loop.
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, &about, [&about, &poll, way] {
            if (!about.isVisible())
                return;
            poll.stop();
            if (way == 0) {
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(&about, &esc);
            } else {
                QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(&about, &click);
            }
        });
        poll.start();
        about.showAsAbout(); // returns only once the window has closed
        EXPECT_FALSE(about.isVisible());
    }
}

} // namespace
