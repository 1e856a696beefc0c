// The frame as the user meets it: its menus, toolbar, windows, help and ending.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "engine/status.h"
#include "frame/about_form.h"
#include "frame/help_dialog.h"
#include "frame/help_viewer.h"
#include "frame/main_frame.h"
#include "frame/screen_geometry.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/child_window.h"
#include "windows/window_id.h"

using windows::WindowId;

// A stand-in child window with a value box and a size of its own; the dates
// window also asks for a place of its own.
class FakeWindow : public windows::ChildWindow {
    Q_OBJECT
public:
    explicit FakeWindow(WindowId id, QWidget* parent = nullptr) : windows::ChildWindow(parent)
    {
        setObjectName(QString::fromLatin1(windows::windowObjectName(id)));
        m_value = new QLineEdit(QStringLiteral("0"), this);
        m_value->setObjectName(QStringLiteral("Value"));
        m_value->setGeometry(10, 10, 120, 24);
        setFocusProxy(m_value);
        resize(321, 123);
        if (id == WindowId::Dates)
            setPreferredPlaceTwips({105, 135});  // 7 and 9 pixels at 96 dots per inch
    }

    int painted = 0;  // the paint and resize events that reached the window itself
    int resized = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++painted; }
    void resizeEvent(QResizeEvent*) override { ++resized; }

private:
    QLineEdit* m_value;
};

class TestMainFrame : public QObject {
    Q_OBJECT

private:
    static windows::ChildWindow* createFake(WindowId id, const engine::NumberFormat&,
                                            QWidget* parent)
    {
        return new FakeWindow(id, parent);
    }

    static QMdiArea* mdiArea(frame::MainFrame& frame) { return frame.findChild<QMdiArea*>(); }

    static QAction* action(frame::MainFrame& frame, const QString& name)
    {
        return frame.findChild<QAction*>(name);
    }

    static QMdiSubWindow* subWindowOf(frame::MainFrame& frame, const QString& form)
    {
        for (QMdiSubWindow* sub : mdiArea(frame)->subWindowList()) {
            if (sub->widget() && sub->widget()->objectName() == form) return sub;
        }
        return nullptr;
    }

    static frame::HelpViewer* helpViewer(frame::MainFrame& frame)
    {
        return frame.findChild<frame::HelpViewer*>(QStringLiteral("HelpViewer"));
    }

    static QString shownTopic(frame::MainFrame& frame)
    {
        frame::HelpViewer* viewer = helpViewer(frame);
        return viewer ? viewer->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"))
                            ->source()
                            .fragment()
                      : QString();
    }

private slots:
    void startsNamedCaptionedAndEmpty()
    {
        frame::MainFrame frame(createFake);
        QCOMPARE(frame.objectName(), QStringLiteral("Quorvel"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Tabrix"));
        QVERIFY(mdiArea(frame));
        QVERIFY(mdiArea(frame)->subWindowList().isEmpty());
        QVERIFY(!frame.findChild<frame::AboutForm*>());
        // The icon the window manager shows comes once the event loop runs.
        QTRY_VERIFY(!frame.windowIcon().pixmap(32, 32).isNull());
    }

    void frameGeometryLeavesTheMargins_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<QRect>("expected");
        // 1024 × 768 at 15 twips a pixel is 15360 × 11520 twips; less 500 and
        // 1500 twips that is 14860 × 10020 twips.
        QTest::newRow("1024x768 at 96 dpi")
            << QRect(0, 0, 1024, 768) << 96.0 << QRect(0, 0, 991, 668);
        QTest::newRow("1920x1080 at 96 dpi")
            << QRect(0, 0, 1920, 1080) << 96.0 << QRect(0, 0, 1887, 980);
        QTest::newRow("1280x1024 at 120 dpi")
            << QRect(0, 0, 1280, 1024) << 120.0 << QRect(0, 0, 1238, 899);
        QTest::newRow("2048x1536 at 192 dpi")
            << QRect(0, 0, 2048, 1536) << 192.0 << QRect(0, 0, 1981, 1336);
        QTest::newRow("second screen")
            << QRect(1920, 0, 1024, 768) << 96.0 << QRect(1920, 0, 991, 668);
    }

    void frameGeometryLeavesTheMargins()
    {
        QFETCH(QRect, screen);
        QFETCH(qreal, dpi);
        QFETCH(QRect, expected);
        QCOMPARE(frame::frameGeometryFor(screen, dpi), expected);
    }

    void frameStandsAtTheScreensTopLeft()
    {
        frame::MainFrame frame(createFake);
        const QScreen* screen = frame.screen();
        const QRect expected =
            frame::frameGeometryFor(screen->geometry(), screen->logicalDotsPerInch());
        QCOMPARE(frame.pos(), expected.topLeft());
        QCOMPARE(frame.size(), expected.size());
    }

    void menuBarHoldsFileThenHelp()
    {
        frame::MainFrame frame(createFake);
        const QList<QAction*> menus = frame.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("mf"));
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[0]->data().toInt(), 200);
        QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("mwindow"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Window"));
        QCOMPARE(menus[2]->menu()->objectName(), QStringLiteral("mhelp"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&Help"));
        QCOMPARE(menus[2]->data().toInt(), 200);
        for (const QAction* menu : menus)  // the menu and its title answer to one name
            QCOMPARE(menu->objectName(), menu->menu()->objectName());
    }

    void menuItemsInOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<int>("topic");
        struct Row {
            const char* menu;
            const char* name;
            const char* caption;
            QKeySequence shortcut;
            int topic;
        };
        const Row rows[] = {
            {"mf", "mfareadistance", "&Area", QKeySequence(QStringLiteral("Ctrl+A")), 202},
            {"mf", "mfareametric", "Area - &Metric", QKeySequence(QStringLiteral("Ctrl+M")), 0},
            {"mf", "mfareastandard", "Area - Sta&ndard", QKeySequence(QStringLiteral("Ctrl+N")), 0},
            {"mf", "mfdensity", "Densit&y", QKeySequence(QStringLiteral("Ctrl+Y")), 0},
            {"mf", "mfdistance", "&Distance", QKeySequence(QStringLiteral("Ctrl+D")), 202},
            {"mf", "mfenergy", "&Energy", QKeySequence(QStringLiteral("Ctrl+E")), 0},
            {"mf", "mfforce", "&Force", QKeySequence(QStringLiteral("Ctrl+F")), 0},
            {"mf", "mfliquid", "&Liquid", QKeySequence(QStringLiteral("Ctrl+L")), 0},
            {"mf", "mfpressure", "&Pressure", QKeySequence(QStringLiteral("Ctrl+P")), 0},
            {"mf", "mfspeed", "&Speed", QKeySequence(QStringLiteral("Ctrl+S")), 202},
            {"mf", "mftemp", "&Temperature", QKeySequence(QStringLiteral("Ctrl+T")), 202},
            {"mf", "mftime", "T&ime", QKeySequence(QStringLiteral("Ctrl+I")), 202},
            {"mf", "mfvolume", "Vol&ume", QKeySequence(QStringLiteral("Ctrl+U")), 0},
            {"mf", "mfweight", "&Weight", QKeySequence(QStringLiteral("Ctrl+W")), 202},
            {"mf", "sep1", "", QKeySequence(), 0},
            {"mf", "mfhowlong", "Difference &Between Dates", QKeySequence(QStringLiteral("Ctrl+B")),
             202},
            {"mf", "sep2", "", QKeySequence(), 0},
            {"mf", "mfexit", "E&xit", QKeySequence(Qt::Key_F12), 200},
            {"mhelp", "quorvelhelp", "&Contents", QKeySequence(Qt::Key_F1), 200},
            {"mhelp", "sep3", "", QKeySequence(), 0},
            {"mhelp", "mfabout", "&About Tabrix", QKeySequence(), 200},
        };
        int position = 0;
        QString lastMenu;
        for (const Row& row : rows) {
            if (lastMenu != QLatin1String(row.menu)) position = 0;
            lastMenu = QLatin1String(row.menu);
            QTest::newRow(row.name)
                << lastMenu << position++ << QString::fromLatin1(row.name)
                << QString::fromLatin1(row.caption) << row.shortcut << row.topic;
        }
    }

    void menuItemsInOrder()
    {
        QFETCH(QString, menu);
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(int, topic);

        frame::MainFrame frame(createFake);
        const QList<QAction*> items = frame.findChild<QMenu*>(menu)->actions();
        QCOMPARE(items.size(), menu == QLatin1String("mf") ? 18 : 3);
        QAction* item = items.at(position);
        QCOMPARE(item->objectName(), name);
        QCOMPARE(item->isSeparator(), name.startsWith(QLatin1String("sep")));
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), shortcut);
        QCOMPARE(item->data().toInt(), topic);
    }

    void toolbarButtonsInOrder()
    {
        frame::MainFrame frame(createFake);
        auto* toolBar = frame.findChild<QToolBar*>(QStringLiteral("Toolbar2"));
        QVERIFY(toolBar);
        // A separator is written as an empty key.
        const QStringList keys = {"butarea",
                                  "butareametric",
                                  "butareastandard",
                                  "butdensity",
                                  "butdistance",
                                  "butenergy",
                                  "butforce",
                                  "butliquid",
                                  "butpressure",
                                  "butspeed",
                                  "buttemperature",
                                  "buttime",
                                  "butvolume",
                                  "butweight",
                                  "",
                                  "buthowlong",
                                  "",
                                  "buthelp",
                                  "",
                                  "butexit"};
        const QStringList texts = {"Area",
                                   "Area - Metric",
                                   "Area - Standard",
                                   "Density",
                                   "Distance",
                                   "Energy",
                                   "Force",
                                   "Liquid",
                                   "Pressure",
                                   "Speed",
                                   "Temperature",
                                   "Time",
                                   "Volume",
                                   "Weight",
                                   "",
                                   "Difference Between Dates",
                                   "",
                                   "Help",
                                   "",
                                   "Exit"};
        // The tool tip adds the key that does the same.
        const QStringList keysTyped = {"Ctrl+A", "Ctrl+M", "Ctrl+N", "Ctrl+Y", "Ctrl+D",
                                       "Ctrl+E", "Ctrl+F", "Ctrl+L", "Ctrl+P", "Ctrl+S",
                                       "Ctrl+T", "Ctrl+I", "Ctrl+U", "Ctrl+W", "",
                                       "Ctrl+B", "",       "F1",     "",       "F12"};
        const QList<QAction*> buttons = toolBar->actions();
        QCOMPARE(buttons.size(), 20);
        for (int k = 0; k < buttons.size(); ++k) {
            QAction* button = buttons[k];
            const QString position = QStringLiteral("position %1").arg(k + 1);
            QVERIFY2(button->isSeparator() == keys[k].isEmpty(), qPrintable(position));
            if (button->isSeparator()) continue;
            QVERIFY2(button->objectName() == keys[k],
                     qPrintable(position + ": " + button->objectName()));
            QCOMPARE(button->text(), texts[k]);
            QCOMPARE(button->toolTip(), texts[k] + QStringLiteral(" (") + keysTyped[k] + u')');
        }
    }

    void toolbarPicturesAreDistinctAndDrawn()
    {
        frame::MainFrame frame(createFake);
        auto* toolBar = frame.findChild<QToolBar*>(QStringLiteral("Toolbar2"));
        QSet<QByteArray> pictures;
        int count = 0;
        for (QAction* button : toolBar->actions()) {
            if (button->isSeparator()) continue;
            ++count;
            for (int size : {16, 24, 32}) {
                const QImage image = button->icon().pixmap(size, size).toImage();
                QVERIFY2(!image.isNull(), qPrintable(button->objectName()));
                QCOMPARE(image.width(), size);
                int opaque = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x)
                        opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
                }
                // Drawn, and neither empty nor a filled square.
                QVERIFY2(opaque > size * size / 10, qPrintable(button->objectName()));
                QVERIFY2(opaque < size * size, qPrintable(button->objectName()));
                if (size == 32) {
                    // Greyed when disabled, like any icon.
                    QVERIFY2(button->icon().pixmap(size, QIcon::Disabled).toImage() != image,
                             qPrintable(button->objectName()));
                    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                          image.sizeInBytes());
                    pictures.insert(bits);
                }
            }
        }
        QCOMPARE(count, 17);
        QCOMPARE(pictures.size(), 17);
    }

    void menuAndToolbarOpenTheSameWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("form");
        QTest::newRow("area") << "mfareadistance"
                              << "butarea"
                              << "Form1";
        QTest::newRow("area metric") << "mfareametric"
                                     << "butareametric"
                                     << "Form2";
        QTest::newRow("area standard") << "mfareastandard"
                                       << "butareastandard"
                                       << "Form3";
        QTest::newRow("density") << "mfdensity"
                                 << "butdensity"
                                 << "Form12";
        QTest::newRow("distance") << "mfdistance"
                                  << "butdistance"
                                  << "Form4";
        QTest::newRow("energy") << "mfenergy"
                                << "butenergy"
                                << "Form5";
        QTest::newRow("force") << "mfforce"
                               << "butforce"
                               << "Form14";
        QTest::newRow("liquid") << "mfliquid"
                                << "butliquid"
                                << "Form8";
        QTest::newRow("pressure") << "mfpressure"
                                  << "butpressure"
                                  << "Form10";
        QTest::newRow("speed") << "mfspeed"
                               << "butspeed"
                               << "Form11";
        QTest::newRow("temperature") << "mftemp"
                                     << "buttemperature"
                                     << "Form6";
        QTest::newRow("time") << "mftime"
                              << "buttime"
                              << "Form7";
        QTest::newRow("volume") << "mfvolume"
                                << "butvolume"
                                << "Form13";
        QTest::newRow("weight") << "mfweight"
                                << "butweight"
                                << "Form9";
        QTest::newRow("dates") << "mfhowlong"
                               << "buthowlong"
                               << "Form00";
    }

    void menuAndToolbarOpenTheSameWindow()
    {
        QFETCH(QString, item);
        QFETCH(QString, button);
        QFETCH(QString, form);
        frame::MainFrame frame(createFake);

        action(frame, item)->trigger();
        QCOMPARE(mdiArea(frame)->subWindowList().size(), 1);
        QMdiSubWindow* fromMenu = mdiArea(frame)->activeSubWindow();
        QVERIFY(fromMenu);
        QCOMPARE(fromMenu->widget()->objectName(), form);
        QVERIFY(fromMenu->isVisibleTo(&frame));

        action(frame, button)->trigger();
        QCOMPARE(mdiArea(frame)->subWindowList().size(), 1);
        QCOMPARE(mdiArea(frame)->activeSubWindow(), fromMenu);
        QCOMPARE(fromMenu->widget()->objectName(), form);

        // The program's own windows open the same way.
        frame::MainFrame real;
        action(real, item)->trigger();
        action(real, button)->trigger();
        QCOMPARE(mdiArea(real)->subWindowList().size(), 1);
        QVERIFY(mdiArea(real)->activeSubWindow()->widget());
    }

    void repeatedRequestShowsTheWindowAsLeft()
    {
        frame::MainFrame frame(createFake);
        action(frame, "mfdistance")->trigger();
        QMdiSubWindow* distance = subWindowOf(frame, "Form4");
        QWidget* window = distance->widget();
        window->findChild<QLineEdit*>("Value")->setText("42");
        action(frame, "mfweight")->trigger();
        QCOMPARE(mdiArea(frame)->activeSubWindow(), subWindowOf(frame, "Form9"));

        action(frame, "mfdistance")->trigger();
        QCOMPARE(mdiArea(frame)->subWindowList().size(), 2);
        QCOMPARE(mdiArea(frame)->activeSubWindow(), distance);
        QCOMPARE(distance->widget(), window);
        QCOMPARE(window->findChild<QLineEdit*>("Value")->text(), QStringLiteral("42"));
    }

    void minimizedWindowIsRestoredOnRequest()
    {
        frame::MainFrame frame(createFake);
        frame.show();
        action(frame, "mftemp")->trigger();
        QMdiSubWindow* temperature = subWindowOf(frame, "Form6");
        temperature->showMinimized();
        QVERIFY(temperature->isMinimized());
        action(frame, "buttemperature")->trigger();
        QVERIFY(!temperature->isMinimized());
        QCOMPARE(mdiArea(frame)->activeSubWindow(), temperature);
    }

    void closedWindowOpensAfresh()
    {
        frame::MainFrame frame(createFake);
        action(frame, "mftemp")->trigger();
        QPointer<QWidget> first = subWindowOf(frame, "Form6")->widget();
        first->findChild<QLineEdit*>("Value")->setText("100");

        subWindowOf(frame, "Form6")->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(mdiArea(frame)->subWindowList().isEmpty());

        action(frame, "buttemperature")->trigger();
        QMdiSubWindow* again = subWindowOf(frame, "Form6");
        QVERIFY(again);
        QCOMPARE(again->widget()->findChild<QLineEdit*>("Value")->text(), QStringLiteral("0"));
        QCOMPARE(mdiArea(frame)->subWindowList().size(), 1);
    }

    void windowKeepsTheSizeItSetItself()
    {
        frame::MainFrame frame(createFake);
        frame.show();
        action(frame, "mfforce")->trigger();
        QMdiSubWindow* force = subWindowOf(frame, "Form14");
        QCOMPARE(force->widget()->size(), QSize(321, 123));
        QVERIFY(force->width() > 321);
        QVERIFY(force->height() > 123);
        // The shade lets the window's own events through, with and without room beyond it.
        auto* fake = static_cast<FakeWindow*>(force->widget());
        QTRY_VERIFY(fake->painted > 0 && fake->resized > 0);
        const int painted = fake->painted;
        force->resize(force->size() + QSize(40, 40));
        QTRY_VERIFY(fake->painted > painted);
    }

    void windowStandsWhereItAsks()
    {
        frame::MainFrame frame(createFake);
        frame.show();
        action(frame, "mfhowlong")->trigger();
        QCOMPARE(subWindowOf(frame, "Form00")->pos(), QPoint(7, 9));
    }

    void datesWindowOpensAtTheTopLeftOfTheWorkArea()
    {
        frame::MainFrame frame;
        frame.show();
        action(frame, "mfhowlong")->trigger();
        QCOMPARE(subWindowOf(frame, "Form00")->pos(), QPoint(3, 3));  // 50 twips
    }

    void windowCanAskForAnotherWindow()
    {
        frame::MainFrame frame(createFake);
        action(frame, "mfareadistance")->trigger();
        auto* area = static_cast<FakeWindow*>(subWindowOf(frame, "Form1")->widget());

        emit area->openRequested(WindowId::AreaStandard);
        QMdiSubWindow* standard = subWindowOf(frame, "Form3");
        QVERIFY(standard);
        QCOMPARE(mdiArea(frame)->activeSubWindow(), standard);

        // The same request again brings back the same window.
        action(frame, "mfareadistance")->trigger();
        emit area->openRequested(WindowId::AreaStandard);
        QCOMPARE(subWindowOf(frame, "Form3"), standard);
        QCOMPARE(mdiArea(frame)->subWindowList().size(), 2);
    }

    void failureShowsInTheStatusBarUntilTheNextSuccess()
    {
        frame::MainFrame frame(createFake);
        auto* message = frame.statusBar()->findChild<QLabel*>("EvaluationMessage");
        QVERIFY(message);
        QVERIFY(message->text().isEmpty());
        action(frame, "mfdistance")->trigger();
        action(frame, "mfweight")->trigger();
        auto* distance = static_cast<FakeWindow*>(subWindowOf(frame, "Form4")->widget());
        auto* weight = static_cast<FakeWindow*>(subWindowOf(frame, "Form9")->widget());

        emit distance->evaluationFailed(engine::EvalStatus::Overflow);
        QVERIFY(message->text().contains(
            QString::fromUtf8(engine::Describe(engine::EvalStatus::Overflow))));
        QVERIFY(message->text().contains(QStringLiteral("Distance")));

        // Another window's success does not answer for this one.
        emit weight->evaluationSucceeded();
        QVERIFY(!message->text().isEmpty());
        emit distance->evaluationSucceeded();
        QVERIFY(message->text().isEmpty());

        emit weight->evaluationFailed(engine::EvalStatus::DivideByZero);
        QVERIFY(message->text().contains(
            QString::fromUtf8(engine::Describe(engine::EvalStatus::DivideByZero))));

        // Closing another window leaves the message; closing the failed one ends it.
        QPointer<QWidget> closed = distance;
        subWindowOf(frame, "Form4")->close();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(!message->text().isEmpty());
        closed = weight;
        subWindowOf(frame, "Form9")->close();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(message->text().isEmpty());
    }

    void frameClosesWithAFailureShown()
    {
        auto* frame = new frame::MainFrame(createFake);
        frame->findChild<QAction*>("mfspeed")->trigger();
        emit static_cast<FakeWindow*>(subWindowOf(*frame, "Form11")->widget())
            ->evaluationFailed(engine::EvalStatus::InvalidOperation);
        delete frame;  // must not touch the status bar it has already lost
    }

    void everyWayOfEndingClosesEverything_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("File > Exit") << "mfexit";
        QTest::newRow("toolbar Exit") << "butexit";
        QTest::newRow("F12") << "F12";
        QTest::newRow("closing the frame") << "close";
    }

    void everyWayOfEndingClosesEverything()
    {
        QFETCH(QString, way);
        frame::MainFrame frame(createFake);
        QVERIFY(tabrix_test::showActive(frame));
        action(frame, "mfdistance")->trigger();
        action(frame, "mfabout")->trigger();
        action(frame, "quorvelhelp")->trigger();
        QVERIFY(frame.aboutForm()->isVisible());
        QVERIFY(helpViewer(frame)->isVisible());
        if (way == QLatin1String("F12")) {
            frame.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&frame));
            QTest::keyClick(&frame, Qt::Key_F12);
        } else if (way == QLatin1String("close")) {
            QVERIFY(frame.close());
        } else {
            action(frame, way)->trigger();
        }
        QVERIFY(!frame.isVisible());
        QVERIFY(!frame.aboutForm()->isVisible());
        QVERIFY(!helpViewer(frame)->isVisible());
    }

    void helpOpensTheContents_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Help > Contents") << "quorvelhelp";
        QTest::newRow("toolbar Help") << "buthelp";
        QTest::newRow("F1") << "F1";
        QTest::newRow("About box Help") << "about";
    }

    void helpOpensTheContents()
    {
        QFETCH(QString, way);
        frame::MainFrame frame(createFake);
        QVERIFY(tabrix_test::showActive(frame));
        QVERIFY(!helpViewer(frame));
        if (way == QLatin1String("F1")) {
            QTest::keyClick(&frame, Qt::Key_F1);
        } else if (way == QLatin1String("about")) {
            action(frame, "mfabout")->trigger();
            QTest::mouseClick(frame.aboutForm()->findChild<QPushButton*>("butAboutHelpR"),
                              Qt::LeftButton);
        } else {
            action(frame, way)->trigger();
        }
        QVERIFY(helpViewer(frame));
        QVERIFY(helpViewer(frame)->isVisible());
        QVERIFY(helpViewer(frame)->isWindow());
        QCOMPARE(shownTopic(frame), QStringLiteral("topic200"));
        frame::HelpDialog* dialog = frame.aboutForm()->helpDialog();
        QCOMPARE(dialog->objectName(), QStringLiteral("CommonDialog1"));
        QCOMPARE(dialog->helpFile(), QStringLiteral("Quorvel.hlp"));
        QCOMPARE(dialog->helpContext(), 200);
        // Help alone loads the About box without showing it.
        QCOMPARE(frame.aboutForm()->isVisible(), way == QLatin1String("about"));
    }

    void helpAgainReusesTheViewer()
    {
        frame::MainFrame frame(createFake);
        action(frame, "quorvelhelp")->trigger();
        frame::HelpViewer* viewer = helpViewer(frame);
        frame::AboutForm* about = frame.aboutForm();
        viewer->close();
        action(frame, "buthelp")->trigger();
        QCOMPARE(helpViewer(frame), viewer);
        QCOMPARE(frame.aboutForm(), about);
        QVERIFY(viewer->isVisible());
        QCOMPARE(frame.findChildren<frame::HelpViewer*>().size(), 1);
        // Bounded to the screen: a viewer taller than the screen hides its buttons.
        QVERIFY(viewer->screen()->availableGeometry().contains(viewer->geometry()));
        // The text fills the viewer below its named toolbar.
        QVERIFY(viewer->findChild<QToolBar*>(QStringLiteral("HelpToolBar")));
        QVERIFY(viewer->browser()->height() > viewer->height() / 2);
    }

    void f1OnAMenuItemShowsItsTopic_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("topic");
        QTest::newRow("Distance") << "mf"
                                  << "mfdistance"
                                  << "topic202";
        QTest::newRow("Difference Between Dates") << "mf"
                                                  << "mfhowlong"
                                                  << "topic202";
        // Items without a topic of their own show their menu's.
        QTest::newRow("Area - Metric") << "mf"
                                       << "mfareametric"
                                       << "topic200";
        QTest::newRow("Exit") << "mf"
                              << "mfexit"
                              << "topic200";
        QTest::newRow("About") << "mhelp"
                               << "mfabout"
                               << "topic200";
    }

    void f1OnAMenuItemShowsItsTopic()
    {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, topic);
        frame::MainFrame frame(createFake);
        QVERIFY(tabrix_test::showActive(frame));
        auto* popup = frame.findChild<QMenu*>(menu);
        popup->popup(frame.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        popup->setActiveAction(action(frame, item));

        QTest::keyPress(popup, Qt::Key_F1);  // the press shows it, not the release

        QCOMPARE(shownTopic(frame), topic);
        QVERIFY(!popup->isVisible());
        QVERIFY(mdiArea(frame)->subWindowList().isEmpty());
    }

    void windowShortcutsWorkWhileTyping()
    {
        frame::MainFrame frame(createFake);
        QVERIFY(tabrix_test::showActive(frame));
        action(frame, "mfdistance")->trigger();
        auto* value = subWindowOf(frame, "Form4")->widget()->findChild<QLineEdit*>("Value");
        value->setFocus();
        QVERIFY(value->hasFocus());

        QTest::keyClick(value, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(subWindowOf(frame, "Form1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(subWindowOf(frame, "Form5"));
        QCOMPARE(mdiArea(frame)->activeSubWindow(), subWindowOf(frame, "Form5"));
    }

    void helpFileHoldsEveryTopicItLinksTo()
    {
        QFile file(QStringLiteral(":/help/Quorvel.hlp"));
        // The resources register with the first frame.
        frame::MainFrame frame(createFake);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());

        QSet<QString> anchors;
        const QRegularExpression name(QStringLiteral("<a name=\"([^\"]+)\""));
        for (auto it = name.globalMatch(html); it.hasNext();) anchors.insert(it.next().captured(1));
        const QStringList required = {
            "topic200",     "topic202",    "numbers",  "prices", "keyboard", "area",   "areametric",
            "areastandard", "density",     "distance", "energy", "force",    "liquid", "pressure",
            "speed",        "temperature", "time",     "volume", "weight",   "dates"};
        for (const QString& anchor : required)
            QVERIFY2(anchors.contains(anchor), qPrintable(anchor));

        const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            QVERIFY2(anchors.contains(target), qPrintable(target));
        }
        QVERIFY(links >= required.size());
    }
};

QTEST_MAIN(TestMainFrame)
#include "main_frame_test.moc"
