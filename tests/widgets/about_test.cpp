// The About box: its texts, its place on the screen, OK and Help.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include "frame/about_form.h"
#include "frame/help_dialog.h"
#include "frame/help_viewer.h"
#include "frame/main_frame.h"
#include "frame/screen_geometry.h"

class TestAboutForm : public QObject {
    Q_OBJECT

private:
    static QAction* aboutCommand(frame::MainFrame& frame)
    {
        return frame.findChild<QAction*>("mfabout");
    }

private slots:
    void showsNameVersionAndLogo()
    {
        frame::AboutForm about;
        QCOMPARE(about.objectName(), QStringLiteral("AboutForm"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tabrix"));
        QCOMPARE(about.findChild<QLabel*>("lblProductName")->text(), QStringLiteral("Tabrix"));
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 8.0"));
        const QPixmap logo = about.findChild<QLabel*>("imgLogo")->pixmap();
        QVERIFY(!logo.isNull());
        QVERIFY(logo.width() >= 64);
        // Drawn, not a transparent square: the picture was found and read.
        const QImage image = logo.toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
        QVERIFY(inked > image.width() * image.height() / 8);
        QCOMPARE(about.findChild<QPushButton*>("butAboutOKR")->text(), QStringLiteral("&OK"));
        QCOMPARE(about.findChild<QPushButton*>("butAboutHelpR")->text(), QStringLiteral("&Help"));
        QCOMPARE(about.helpDialog()->helpFile(), QStringLiteral("Quorvel.hlp"));
    }

    void placementKeepsTheTopOfTheDesignedHeight_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<QRect>("expected");
        // 15360 × 11520 twips: left (15360 − 5700) ÷ 2 = 4830, top
        // (11520 − 3800) ÷ 2 = 3860, then 5000 twips high.
        QTest::newRow("1024x768 at 96 dpi")
            << QRect(0, 0, 1024, 768) << 96.0 << QRect(322, 257, 380, 333);
        QTest::newRow("2048x1536 at 192 dpi")
            << QRect(0, 0, 2048, 1536) << 192.0 << QRect(644, 515, 760, 667);
        QTest::newRow("second screen")
            << QRect(1024, 0, 1024, 768) << 96.0 << QRect(1346, 257, 380, 333);
    }

    void placementKeepsTheTopOfTheDesignedHeight()
    {
        QFETCH(QRect, screen);
        QFETCH(qreal, dpi);
        QFETCH(QRect, expected);
        QCOMPARE(frame::aboutGeometryFor(screen, dpi, QSize(5700, 3800), 5000), expected);
    }

    void boxStandsWhereItsScreenPlacesIt()
    {
        frame::AboutForm about;
        const QScreen* screen = about.screen();
        const QRect expected = frame::aboutGeometryFor(
            screen->geometry(), screen->logicalDotsPerInch(), QSize(5700, 3800), 5000);
        QCOMPARE(about.pos(), expected.topLeft());
        QCOMPARE(about.height(), expected.height());
    }

    void okHidesAndAboutShowsTheSameBoxAgain()
    {
        frame::MainFrame frame;
        aboutCommand(frame)->trigger();
        frame::AboutForm* about = frame.aboutForm();
        QVERIFY(about->isVisible());
        QVERIFY(about->isWindow());
        QVERIFY(!about->isModal());
        const QPoint place = about->pos();

        QTest::mouseClick(about->findChild<QPushButton*>("butAboutOKR"), Qt::LeftButton);
        QVERIFY(!about->isVisible());

        aboutCommand(frame)->trigger();
        QCOMPARE(frame.aboutForm(), about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->pos(), place);
        QCOMPARE(frame.findChildren<frame::AboutForm*>().size(), 1);
    }

    void helpButtonOpensTheContentsAndKeepsTheBox()
    {
        frame::MainFrame frame;
        aboutCommand(frame)->trigger();
        frame::AboutForm* about = frame.aboutForm();
        QTest::mouseClick(about->findChild<QPushButton*>("butAboutHelpR"), Qt::LeftButton);

        frame::HelpViewer* viewer = about->helpDialog()->viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->findChild<QTextBrowser*>("HelpBrowser")->source().fragment(),
                 QStringLiteral("topic200"));
        QVERIFY(about->isVisible());

        // Hiding the box leaves the help open.
        QTest::mouseClick(about->findChild<QPushButton*>("butAboutOKR"), Qt::LeftButton);
        QVERIFY(viewer->isVisible());
    }

    void helpShowsTheRequestedTopic()
    {
        frame::AboutForm about;
        frame::HelpDialog* dialog = about.helpDialog();
        dialog->setHelpContext(202);
        QVERIFY(dialog->showHelp());
        auto* browser = dialog->viewer()->findChild<QTextBrowser*>("HelpBrowser");
        QCOMPARE(browser->source().fragment(), QStringLiteral("topic202"));
        QVERIFY(
            browser->toPlainText().contains(QStringLiteral("Working with a conversion window")));
        // Contents leads to the contents, and Back to the topic before them.
        dialog->viewer()->findChild<QAction*>("helpcontents")->trigger();
        QCOMPARE(browser->source().fragment(), QStringLiteral("topic200"));
        auto* back = dialog->viewer()->findChild<QAction*>("helpback");
        QVERIFY(back->isEnabled());
        back->trigger();
        QCOMPARE(browser->source().fragment(), QStringLiteral("topic202"));

        // A help file the program does not have opens nothing.
        dialog->setHelpFile(QStringLiteral("Missing.hlp"));
        dialog->setHelpContext(200);
        QVERIFY(!dialog->showHelp());
        QCOMPARE(browser->source().fragment(), QStringLiteral("topic202"));
    }
};

QTEST_MAIN(TestAboutForm)
#include "about_test.moc"
