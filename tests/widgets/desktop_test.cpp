// The frame as a desktop program: the Window menu and its keys, where new
// windows go, the first-start hint, keys in the boxes' menus, and copying a
// whole table. Everything runs through the real frame and its real windows.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>

#include <memory>
#include <optional>
#include <vector>

#include "frame/about_form.h"
#include "frame/help_dialog.h"
#include "frame/help_viewer.h"
#include "frame/main_frame.h"
#include "frame/placement.h"
#include "frame/work_area.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/category_window.h"

using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

namespace {

using Table = QList<QStringList>;

// An HTML table read back the way a mail program reads it.
Table cellsOfHtml(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    Table cells;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        for (int r = 0; r < table->rows(); ++r) {
            QStringList row;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                row.append(cursor.selectedText());
            }
            cells.append(row);
        }
    }
    return cells;
}

Table cellsOfText(const QString& text)
{
    Table cells;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        cells.append(line.split(u'\t'));
    return cells;
}

QString controlText(QWidget* window, const QString& name)
{
    if (auto* edit = window->findChild<QLineEdit*>(name)) return edit->text();
    if (auto* label = window->findChild<QLabel*>(name)) return label->text();
    return QStringLiteral("<no %1>").arg(name);
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frame::MainFrame> m_frame;

    QMdiArea* area() const { return m_frame->findChild<QMdiArea*>(); }
    QAction* action(const char* name) const
    {
        return m_frame->findChild<QAction*>(QString::fromLatin1(name));
    }
    QMenu* windowMenu() const { return m_frame->findChild<QMenu*>(QStringLiteral("mwindow")); }

    QMdiSubWindow* open(const char* menuItem)
    {
        action(menuItem)->trigger();
        return area()->activeSubWindow();
    }

    static void press(QKeyCombination key)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : QApplication::activeWindow(), key.key(),
                        key.keyboardModifiers());
    }

    // The menu's entries as the user sees them when it opens.
    QStringList listedWindows()
    {
        QMenu* menu = windowMenu();
        emit menu->aboutToShow();
        QStringList listed;
        for (QAction* entry : menu->actions())
            if (entry->objectName().startsWith(QLatin1String("mwwindow")))
                listed.append(entry->text() +
                              (entry->isChecked() ? QStringLiteral(" *") : QString()));
        return listed;
    }

private slots:
    void init()
    {
        m_frame = std::make_unique<frame::MainFrame>();
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }

    void cleanup() { m_frame.reset(); }

    void windowMenuHoldsItsCommandsInOrder()
    {
        struct Row {
            const char* name;
            const char* text;
            QKeySequence key;
        };
        const Row rows[] = {
            {"mwcascade", "&Cascade", {}},
            {"mwtile", "&Tile", {}},
            {"mwsep1", "", {}},
            {"mwclose", "Cl&ose", QKeySequence(Qt::CTRL | Qt::Key_F4)},
            {"mwcloseall", "Close &All", {}},
            {"mwsep2", "", {}},
            {"mwnext", "Ne&xt", QKeySequence(Qt::CTRL | Qt::Key_Tab)},
            {"mwprevious", "Pre&vious", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
            {"mwsep3", "", {}},
        };
        const QList<QAction*> items = windowMenu()->actions();
        QCOMPARE(items.size(), qsizetype(std::size(rows)));
        for (qsizetype k = 0; k < items.size(); ++k) {
            const Row& row = rows[k];
            QCOMPARE(items[k]->objectName(), QString::fromLatin1(row.name));
            QCOMPARE(items[k]->isSeparator(), !*row.text);
            if (items[k]->isSeparator()) continue;
            QCOMPARE(items[k]->text(), QString::fromLatin1(row.text));
            QCOMPARE(items[k]->shortcut(), row.key);
            QVERIFY2(!items[k]->isEnabled(), row.name);  // no window open
        }
        open("mftemp");
        for (QAction* item : items)
            QVERIFY2(item->isSeparator() || item->isEnabled(), qPrintable(item->objectName()));
    }

    void keysCloseAndSwitchTheChildWindows()
    {
        QMdiSubWindow* distance = open("mfdistance");
        QMdiSubWindow* temperature = open("mftemp");
        QMdiSubWindow* weight = open("mfweight");
        QCOMPARE(area()->activeSubWindow(), weight);

        press(Qt::CTRL | Qt::Key_Tab);
        QCOMPARE(area()->activeSubWindow(), distance);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);  // what Ctrl+Shift+Tab sends
        QCOMPARE(area()->activeSubWindow(), weight);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);
        QCOMPARE(area()->activeSubWindow(), temperature);

        const QPointer<QMdiSubWindow> closing(temperature);
        press(Qt::CTRL | Qt::Key_F4);
        QTRY_VERIFY(!closing);
        QCOMPARE(area()->subWindowList().size(), 2);
        QVERIFY(distance->isVisible() && weight->isVisible());
    }

    void windowListFollowsOpeningAndClosing()
    {
        QVERIFY(listedWindows().isEmpty());
        open("mfdistance");
        QMdiSubWindow* temperature = open("mftemp");
        open("mfweight");
        QCOMPARE(listedWindows(), (QStringList{"&1 Distance", "&2 Temperature", "&3 Weight *"}));

        temperature->close();
        QTRY_COMPARE(listedWindows(), (QStringList{"&1 Distance", "&2 Weight *"}));

        action("mwwindow1")->trigger();
        QCOMPARE(area()->activeSubWindow()->windowTitle(), QStringLiteral("Distance"));
        QCOMPARE(listedWindows(), (QStringList{"&1 Distance *", "&2 Weight"}));

        for (const char* item : {"mfenergy", "mfliquid", "mftime", "mfspeed", "mfforce",
                                 "mfdensity", "mfpressure", "mfvolume"})
            open(item);
        QCOMPARE(listedWindows().mid(8), (QStringList{"&9 Pressure", "10 Volume *"}));

        action("mwcloseall")->trigger();
        QTRY_VERIFY(area()->subWindowList().isEmpty());
        QVERIFY(listedWindows().isEmpty());
    }

    void newWindowsTakeTheirOwnCornersInsideTheArea()
    {
        QList<QPoint> corners;
        for (const char* item : {"mfdistance", "mftemp", "mfweight", "mfliquid"}) {
            QMdiSubWindow* sub = open(item);
            QVERIFY2(!corners.contains(sub->pos()), item);
            QVERIFY2(area()->viewport()->rect().contains(sub->geometry().topLeft()), item);
            corners.append(sub->pos());
        }
        // A cascade: each one title bar down and right of the one before.
        const QPoint step = corners[1] - corners[0];
        QVERIFY(step.x() > 10 && step.x() == step.y());
        for (qsizetype k = 2; k < corners.size(); ++k) QCOMPARE(corners[k] - corners[k - 1], step);

        // The dates window keeps its place; one opened again keeps its own.
        QMdiSubWindow* dates = open("mfhowlong");
        QVERIFY(dates->pos().x() < 10 && dates->pos().y() < 10);
        QMdiSubWindow* distance = area()->subWindowList().first();
        distance->move(200, 150);
        QCOMPARE(open("mfdistance"), distance);
        QCOMPARE(distance->pos(), QPoint(200, 150));
    }

    void cascadeWrapsAndSkipsTakenCorners()
    {
        const QRect area(0, 0, 400, 300);
        const QSize size(200, 100);
        const struct {
            const char* what;
            std::optional<QPoint> after;
            std::vector<QPoint> taken;
            QPoint expected;
        } rows[] = {
            {"first window", std::nullopt, {}, {0, 0}},
            {"next step", QPoint(20, 20), {}, {40, 40}},
            {"skips a taken corner", QPoint(20, 20), {{40, 40}}, {60, 60}},
            {"wraps at the bottom, one step right", QPoint(100, 190), {}, {20, 0}},
            {"wraps at the right", QPoint(190, 20), {}, {20, 0}},
            {"too large to fit: top left", std::nullopt, {}, {0, 0}},
        };
        for (const auto& row : rows) {
            const QSize wanted =
                QLatin1String(row.what).startsWith(QLatin1String("too")) ? QSize(900, 900) : size;
            QCOMPARE(
                frame::cascadePlace(area, wanted, row.after ? &*row.after : nullptr, 20, row.taken),
                row.expected);
        }
    }

    void aWindowKeepsItsTableWhole()
    {
        QMdiSubWindow* sub = open("mfliquid");
        QWidget* window = sub->widget();
        const QSize table = window->size();
        sub->resize(60, 60);
        QCOMPARE(window->size(), table);

        auto* value = window->findChild<QLineEdit*>(QStringLiteral("TextY1"));
        const QPoint place = value->pos();
        sub->showMaximized();
        QVERIFY(window->width() > table.width());
        QCOMPARE(value->pos(), place);  // the controls stay at the top left
    }

    void hintShowsOnlyWithNoWindowOpen()
    {
        auto* work = qobject_cast<frame::WorkArea*>(area());
        QVERIFY(work);
        QVERIFY(work->showsHint());
        QVERIFY(
            frame::WorkArea::hintLines().join(u' ').contains(QStringLiteral("Ctrl+D  Distance")));
        // What the user sees: the hint's ink on the background outside every
        // window, there with no window open and gone while one is.
        const auto inkOutsideWindows = [work] {
            const QImage shot = work->viewport()->grab().toImage();
            const QRgb ground = work->background().color().rgb();
            int ink = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x) {
                    bool covered = false;
                    for (const QMdiSubWindow* each : work->subWindowList())
                        covered = covered || (each->isVisible() && each->geometry().contains(x, y));
                    if (!covered && shot.pixel(x, y) != ground) ++ink;
                }
            return ink;
        };
        QVERIFY(inkOutsideWindows() > 0);
        QMdiSubWindow* sub = open("mfdistance");
        QVERIFY(!work->showsHint());
        QCOMPARE(inkOutsideWindows(), 0);
        sub->close();
        QTRY_VERIFY(work->showsHint());
    }

    void boxMenusOfferNoKeyTheFrameTakes()
    {
        QMdiSubWindow* sub = open("mfdistance");
        for (const char* box : {"TextU1", "TextU3", "TextU2(1)"}) {
            auto* edit = sub->widget()->findChild<QLineEdit*>(QString::fromLatin1(box));
            QPointer<QMenu> menu = tabrix_test::openContextMenu(*edit);
            QVERIFY2(menu, box);
            QList<QKeySequence> frameKeys;
            for (const char* name : {"mf", "mwindow", "mhelp"})
                for (const QAction* frameItem :
                     m_frame->findChild<QMenu*>(QString::fromLatin1(name))->actions())
                    frameKeys += frameItem->shortcuts();
            bool selectAll = false;
            bool copyKey = false;
            for (QAction* item : menu->actions()) {
                selectAll = selectAll || item->text().contains(QStringLiteral("Select All"));
                copyKey = copyKey || item->shortcuts().contains(QKeySequence::Copy);
                for (const QKeySequence& key : item->shortcuts())
                    QVERIFY2(!frameKeys.contains(key),
                             qPrintable(QString::fromLatin1(box) + u' ' + item->text()));
            }
            QVERIFY2(selectAll, box);
            // A result box's own menu gives its items real shortcuts (a typed
            // box's shows them in its texts); Copy keeps Ctrl+C, which the
            // frame leaves alone.
            if (QLatin1String(box) == QLatin1String("TextU2(1)")) QVERIFY(copyKey);
            menu->close();
            QTRY_VERIFY(!menu);
        }
    }

    void escapeClosesTheHelpViewer()
    {
        action("quorvelhelp")->trigger();
        frame::HelpViewer* viewer = m_frame->aboutForm()->helpDialog()->viewer();
        QVERIFY(viewer);
        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer->browser(), Qt::Key_Escape);
        QVERIFY(!viewer->isVisible());
    }

    void copyAllResultsCopiesTheTable_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QStringList>("typed");    // "box=text" in order
        QTest::addColumn<QStringList>("columns");  // control name patterns, %1 the row
        QTest::addColumn<int>("rows");
        QTest::newRow("Distance, with prices")
            << "mfdistance" << QStringList{"TextU1=26.2", "TextU3=2"}
            << QStringList{"OptionU1(%1)", "TextU2(%1)", "LabelU2(%1)", "LabelU5(%1)"} << 11;
        QTest::newRow("Area - Metric")
            << "mfareametric" << QStringList{"TextS1(2)=120", "TextS1(5)=80"}
            << QStringList{"LabelS2(%1)", "TextS2(%1)"} << 10;
        QTest::newRow("Area - Standard")
            << "mfareastandard" << QStringList{"TextT1(2)=1", "TextT1(5)=1"}
            << QStringList{"LabelT2(%1)", "TextT2(%1)"} << 10;
        QTest::newRow("Difference Between Dates")
            << "mfhowlong" << QStringList{} << QStringList{"%1"} << 3;
    }

    void copyAllResultsCopiesTheTable()
    {
        QFETCH(QString, menuItem);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, columns);
        QFETCH(int, rows);

        QWidget* window = open(qPrintable(menuItem))->widget();
        for (const QString& entry : typed) {
            const QStringList parts = entry.split(u'=');
            auto* box = window->findChild<QLineEdit*>(parts[0]);
            QVERIFY2(box, qPrintable(parts[0]));
            box->setText(parts[1]);
        }
        const QStringList dateRows{"Label1", "Label2", "Date3"};
        Table expected;
        for (int k = 1; k <= rows; ++k) {
            QStringList row;
            for (const QString& column : columns) {
                const QString name =
                    column == QLatin1String("%1") ? dateRows[k - 1] : column.arg(k);
                if (name.startsWith(QLatin1String("Option"))) {
                    auto* option = window->findChild<QAbstractButton*>(name);
                    row.append(option ? windows::withoutAccelerator(option->text()) : name);
                } else {
                    row.append(controlText(window, name));
                }
            }
            expected.append(row);
        }
        QVERIFY(expected[0][columns.size() - 1] !=
                QLatin1String(""));  // prices and results are shown

        QApplication::clipboard()->setText(QStringLiteral("before"));
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data->hasHtml());
        QCOMPARE(cellsOfText(data->text()), expected);
        QCOMPARE(cellsOfHtml(data->html()), expected);
    }
};

QTEST_MAIN(TestDesktop)
#include "desktop_test.moc"
