// What the user sees of a few behaviours no other test looks at from the
// outside: the boxes after a fault, the rows of the composite-area fields, the
// keys left in a child window's system menu, help coming to the front and the
// About box's OK button. Controls are found by their object names.

#include <memory>

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include "frame/about_form.h"
#include "frame/help_viewer.h"
#include "frame/main_frame.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/descriptors.h"
#include "windows/window_factory.h"

using tabrix_test::indexed;
using windows::WindowId;

namespace {

QStringList textsOf(QWidget& w, const char* base, int n)
{
    QStringList texts;
    for (int k = 1; k <= n; ++k) {
        const QObject* o = w.findChild<QObject*>(indexed(base, k));
        texts << (o ? o->property("text").toString() : QStringLiteral("(missing)"));
    }
    return texts;
}

QSet<QKeySequence> keysOf(const QList<QAction*>& actions)
{
    QSet<QKeySequence> keys;
    for (const QAction* action : actions)
        for (const QKeySequence& key : action->shortcuts()) keys.insert(key);
    return keys;
}

}  // namespace

class TestUserView : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QApplication::setActiveWindow(nullptr);
        // A handler connected to a control the window lacks is lost silently.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^QObject::connect")));
    }

    // After a value or price beyond the range of a double, every box and
    // label keeps the text it had; none is blanked.
    void boxesKeepTheirTextsAfterAFault_data()
    {
        QTest::addColumn<int>("window");
        for (const windows::WindowDescriptor& d : windows::categoryDescriptors())
            QTest::newRow(std::string(d.caption()).c_str()) << int(d.id);
    }

    void boxesKeepTheirTextsAfterAFault()
    {
        QFETCH(int, window);
        const auto id = static_cast<WindowId>(window);
        const windows::WindowDescriptor* d = nullptr;
        for (const windows::WindowDescriptor& each : windows::categoryDescriptors())
            if (each.id == id) d = &each;
        QVERIFY(d);
        const int n = int(d->table().size);

        frame::MainFrame frame;
        frame.showWindow(id);
        QWidget* w = frame.findChild<QWidget*>(QString::fromLatin1(d->objectName()));
        QVERIFY(w);
        auto* value = w->findChild<QLineEdit*>(QString::fromLatin1(d->names.valueBox));
        QVERIFY(value);
        value->setText(QStringLiteral("7"));
        QLineEdit* price = d->names.priceBox
                               ? w->findChild<QLineEdit*>(QString::fromLatin1(d->names.priceBox))
                               : nullptr;
        if (price) price->setText(QStringLiteral("3"));
        const QStringList results = textsOf(*w, d->names.results, n);
        QVERIFY(!results.contains(QStringLiteral("(missing)")));
        QCOMPARE(results.count(QString()), 0);
        const QStringList prices = price ? textsOf(*w, d->names.priceLabels, n) : QStringList();

        value->setText(QStringLiteral("1e400"));
        QCOMPARE(textsOf(*w, d->names.results, n), results);
        auto* message = frame.findChild<QLabel*>(QStringLiteral("EvaluationMessage"));
        QVERIFY(message);
        QCOMPARE(message->text(), QStringLiteral("%1: The number is too large to compute.")
                                      .arg(QString::fromUtf8(d->caption())));
        if (price) {
            price->setText(QStringLiteral("1e400"));
            QCOMPARE(textsOf(*w, d->names.priceLabels, n), prices);
            QVERIFY(prices.contains(QStringLiteral("$3.00")));
        }
    }

    // The length fields stand side by side on one row, the width fields on
    // the row below, each width field under its length field.
    void areaFieldsStandOnTheirRows_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("fields");
        QTest::newRow("Area - Metric") << int(WindowId::AreaMetric) << QStringLiteral("TextS1");
        QTest::newRow("Area - Standard") << int(WindowId::AreaStandard) << QStringLiteral("TextT1");
    }

    void areaFieldsStandOnTheirRows()
    {
        QFETCH(int, window);
        QFETCH(QString, fields);
        frame::MainFrame frame;
        frame.show();
        frame.showWindow(static_cast<WindowId>(window));
        QList<QLineEdit*> f;
        for (int k = 1; k <= 6; ++k) {
            f << frame.findChild<QLineEdit*>(indexed(fields.toLatin1().constData(), k));
            QVERIFY(f.last());
            QVERIFY(f.last()->isVisible());
        }
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(f[k]->y(), f[0]->y());
            QCOMPARE(f[k + 3]->y(), f[3]->y());
            QCOMPARE(f[k + 3]->x(), f[k]->x());
            if (k > 0) QVERIFY(f[k]->x() >= f[k - 1]->geometry().right());
        }
        QVERIFY(f[3]->y() >= f[0]->geometry().bottom());
        for (int k = 7; k <= 9; ++k)
            QVERIFY(!frame.findChild<QLineEdit*>(indexed(fields.toLatin1().constData(), k))
                         ->isVisible());
    }

    // A child window's system menu keeps its own keys (Ctrl+F4 closes it)
    // and gives up only those the frame's menus use.
    void systemMenuKeepsItsOwnKeys()
    {
        frame::MainFrame frame;
        frame.showWindow(WindowId::Distance);
        auto* sub = frame.findChild<QMdiArea*>()->activeSubWindow();
        QVERIFY(sub && sub->systemMenu());

        QMdiSubWindow plain;  // the keys such a menu has of itself
        QSet<QKeySequence> expected = keysOf(plain.systemMenu()->actions());
        QVERIFY(expected.contains(QKeySequence(Qt::CTRL | Qt::Key_F4)));
        QList<QAction*> frameCommands;
        for (QMenu* menu : frame.findChildren<QMenu*>())
            if (menu->objectName() == QLatin1String("mf") ||
                menu->objectName() == QLatin1String("mwindow") ||
                menu->objectName() == QLatin1String("mhelp"))
                frameCommands << menu->actions();
        const QSet<QKeySequence> frameKeys = keysOf(frameCommands);
        QVERIFY(frameKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_D)));
        QVERIFY(frameKeys.contains(QKeySequence(Qt::Key_F12)));
        expected.subtract(frameKeys);
        QCOMPARE(keysOf(sub->systemMenu()->actions()), expected);
    }

    // Asking for help again brings the viewer back to the front, also from
    // behind the frame and when minimized. (Offscreen, a wait for a window to
    // be active only waits for it to be shown, so the test asks it directly.)
    void helpComesToTheFront()
    {
        frame::MainFrame frame;
        frame.show();
        QAction* contents = frame.findChild<QAction*>(QStringLiteral("quorvelhelp"));
        QVERIFY(contents);
        contents->trigger();
        auto* viewer = frame.findChild<frame::HelpViewer*>(QStringLiteral("HelpViewer"));
        QVERIFY(viewer);
        QTRY_VERIFY(viewer->isActiveWindow());

        struct RaiseWatch : QObject {
            int raised = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                raised += event->type() == QEvent::ZOrderChange;
                return false;
            }
        } watch;
        viewer->installEventFilter(&watch);
        for (const bool minimised : {false, true}) {
            if (minimised) viewer->showMinimized();
            frame.activateWindow();
            QTRY_VERIFY(frame.isActiveWindow());
            watch.raised = 0;
            contents->trigger();
            QVERIFY(!viewer->isMinimized());
            QVERIFY(watch.raised > 0);
            QTRY_VERIFY(viewer->isActiveWindow());
        }
    }

    // A sub-window made larger than its table shades what lies beyond it, so
    // the empty room does not read as part of the table.
    void roomBeyondTheTableIsShaded()
    {
        frame::MainFrame frame;
        frame.resize(1400, 1000);
        frame.show();
        frame.showWindow(WindowId::Temperature);
        QMdiSubWindow* sub = frame.findChild<QMdiArea*>()->activeSubWindow();
        QVERIFY(sub);
        QWidget* window = sub->widget();
        const QSize table = window->size();
        sub->resize(sub->size() + QSize(120, 80));
        QTRY_VERIFY(window->width() > table.width() + 100);
        const QImage image = window->grab().toImage();
        const QRgb shade = window->palette().color(QPalette::Mid).rgb();
        QCOMPARE(image.pixel(image.width() - 2, image.height() - 2), shade);
        QCOMPARE(image.pixel(table.width() + 40, 4), shade);
        QVERIFY(image.pixel(table.width() / 2, 4) != shade);
    }

    // A larger desktop font while a window is open: the window lays itself
    // out again and its sub-window grows to hold the whole table.
    void tableStaysWholeWhenTheFontGrowsWhileOpen()
    {
        frame::MainFrame frame;
        frame.resize(1600, 1200);
        frame.show();
        frame.showWindow(WindowId::Distance);
        QWidget* window = frame.findChild<QMdiArea*>()->activeSubWindow()->widget();
        const QSize before = window->size();
        const QFont desktop = QApplication::font();
        QFont big = desktop;
        big.setPointSize(18);
        QApplication::setFont(big);
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
        QTRY_VERIFY(window->sizeHint().width() > before.width());
        QTest::qWait(50);  // the sub-window's own layout settles by posted events
        QCOMPARE(window->size().expandedTo(window->sizeHint()), window->size());
    }

    // Every control of the box stands inside it, clear of the others (the
    // rule above the buttons too), and the description wraps into a box that
    // fits the smallest screen rather than running on as one line; OK hides it.
    void aboutOkStandsInTheBoxAndHidesIt()
    {
        frame::MainFrame frame;
        frame.findChild<QAction*>(QStringLiteral("mfabout"))->trigger();
        frame::AboutForm* about = frame.aboutForm();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QVERIFY2(about->width() <= 640, qPrintable(QString::number(about->width())));
        QList<QWidget*> controls;
        for (QWidget* w : about->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->objectName().isEmpty()) controls.append(w);
        for (const char* name :
             {"butAboutOKR", "butAboutHelpR", "lineAboutRule", "imgLogo", "lblDescription"}) {
            QWidget* w = about->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(w && controls.contains(w), name);
        }
        for (const QWidget* control : controls) {
            const QString name = control->objectName();
            QVERIFY2(about->rect().contains(control->geometry()), qPrintable(name));
            QVERIFY2(control->width() > 20 && control->height() > 1, qPrintable(name));
            for (const QWidget* other : controls)
                QVERIFY2(other == control || !other->geometry().intersects(control->geometry()),
                         qPrintable(name + u' ' + other->objectName()));
        }
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("butAboutOKR")),
                          Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }

    // The product name, version and description read as one block at the top
    // beside the logo, however much taller the box is than they need.
    void aboutTextsStandTogetherBesideTheLogo()
    {
        frame::AboutForm about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto* logo = about.findChild<QLabel*>(QStringLiteral("imgLogo"));
        const auto* name = about.findChild<QLabel*>(QStringLiteral("lblProductName"));
        const auto* version = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
        const auto* description = about.findChild<QLabel*>(QStringLiteral("lblDescription"));
        QVERIFY(logo && name && version && description);
        QVERIFY(qAbs(name->y() - logo->y()) <= 2);
        // Spare height shared out among the lines would push each text down
        // to the middle of a taller label, away from the one above it.
        for (const QLabel* label : {name, version})
            QVERIFY2(label->height() == label->sizeHint().height(), qPrintable(label->text()));
        QVERIFY(description->height() <= description->heightForWidth(description->width()));
    }

    // The frame drawn round the controls has as much room on its right as on
    // its left, in every category window.
    void categoryFrameIsCentred()
    {
        for (const windows::WindowDescriptor& d : windows::categoryDescriptors()) {
            const std::unique_ptr<QWidget> window(
                windows::createWindow(d.id, engine::NumberFormat{}));
            const auto* shape = window->findChild<QFrame*>(QString::fromLatin1(d.names.shape));
            QVERIFY2(shape, d.objectName());
            const int right = window->width() - 1 - shape->geometry().right();
            QVERIFY2(shape->x() > 0 && qAbs(right - shape->x()) <= 1, d.objectName());
        }
    }
};

QTEST_MAIN(TestUserView)
#include "user_view_test.moc"
