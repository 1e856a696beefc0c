// Every control whose place the layout descriptions give in numbers stands
// there: the twips in tests/data/layout.tsv, written down apart from the
// program's own layout data, converted through the window's grid (which
// stretches when the fonts are wide). An edge or a width a pixel off fails.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>
#include <QTextStream>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "windows/area_dimensions_window.h"
#include "windows/category_window.h"
#include "windows/twips.h"
#include "windows/window_factory.h"

namespace {

constexpr int kRowPitchTwips = 300;

std::optional<int> twips(const QString& field)
{
    if (field == QLatin1String("-")) return std::nullopt;
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// A control's place in its window, and the words a failure shows it by.
QRect placeIn(const QWidget& window, const QWidget& w)
{
    return {w.mapTo(&window, QPoint(0, 0)), w.size()};
}

QString describe(const QWidget& w, const QRect& r)
{
    return w.objectName() + QStringLiteral(" at %1,%2 size %3x%4")
                                .arg(r.x())
                                .arg(r.y())
                                .arg(r.width())
                                .arg(r.height());
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

    std::map<QString, std::unique_ptr<windows::ChildWindow>> m_windows;

private slots:
    void initTestCase()
    {
        for (std::size_t id = 0; id < windows::kWindowCount; ++id) {
            std::unique_ptr<windows::ChildWindow> w(
                windows::createWindow(static_cast<windows::WindowId>(id), {".", ","}));
            const QString name = w->objectName();
            m_windows[name] = std::move(w);
        }
    }

    void everyPlacedControl_data()
    {
        QTest::addColumn<QStringList>("fields");
        QFile file(QStringLiteral(TABRIX_TEST_DATA_DIR "/layout.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream in(&file);
        int rows = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.isEmpty() || line.startsWith(u'#')) continue;
            const QStringList f = line.split(u'\t');
            QTest::newRow(qPrintable(f.value(0) + u' ' + f.value(1))) << f;
            ++rows;
        }
        QVERIFY2(rows > 70, "tests/data/layout.tsv is missing or cut short");
    }

    void everyPlacedControl()
    {
        QFETCH(QStringList, fields);
        QCOMPARE(fields.size(), 6);
        const auto found = m_windows.find(fields[0]);
        QVERIFY2(found != m_windows.end(), qPrintable("no window " + fields[0]));
        QWidget* window = found->second.get();
        std::optional<windows::TwipsGrid> grid;
        if (auto* category = qobject_cast<windows::CategoryWindow*>(window))
            grid = category->twipsGrid();
        else if (auto* area = qobject_cast<windows::AreaDimensionsWindow*>(window))
            grid = area->twipsGrid();
        QVERIFY2(grid, "the window is not laid out in twips");

        const std::optional<int> left = twips(fields[2]), top = twips(fields[3]),
                                 width = twips(fields[4]), height = twips(fields[5]);
        if (fields[1] == QLatin1String("(window)")) {
            QVERIFY(width && height);
            QCOMPARE(window->sizeHint(), grid->size(*width - windows::kNonClientWidthTwips,
                                                    *height - windows::kNonClientHeightTwips));
            return;
        }
        QVERIFY(left);
        QString name = fields[1];
        const bool everyRow = name.endsWith(QLatin1String("(k)"));
        if (everyRow) name.chop(3);
        int placed = 0;
        for (int k = 1; k == 1 || everyRow; ++k) {
            const QString control = everyRow ? QStringLiteral("%1(%2)").arg(name).arg(k) : name;
            const QWidget* w = window->findChild<QWidget*>(control);
            if (!w && everyRow && placed > 0) break;
            QVERIFY2(w, qPrintable("no control " + control));
            ++placed;
            const int rowTop = top ? *top + kRowPitchTwips * (k - 1) : 0;
            const QRect place = placeIn(*window, *w);
            const QPoint at = place.topLeft();
            const QString where = describe(*w, place);
            QVERIFY2(at.x() == grid->x(*left), qPrintable(where));
            if (top) QVERIFY2(at.y() == grid->y(rowTop), qPrintable(where));
            if (width)
                QVERIFY2(w->width() == grid->x(*left + *width) - grid->x(*left), qPrintable(where));
            if (height)
                QVERIFY2(w->height() == grid->y(rowTop + *height) - grid->y(rowTop),
                         qPrintable(where));
        }
    }

    // What a user reads as a table: no control covers part of another or
    // stands past the window's edge, at the desktop font and at a large one;
    // and a label or an option beside a box stands level with it. The layout
    // puts some labels a twip-pixel lower than their box, which a large font
    // stretches to two, so that is asked at the desktop font.
    void controlsStandApartAndLevel_data()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("desktop font") << 0;
        QTest::newRow("18 pt") << 18;
    }

    void controlsStandApartAndLevel()
    {
        QFETCH(int, points);
        const QFont desktop = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
        const bool level = points == 0;
        if (points) {
            QFont font = desktop;
            font.setPointSize(points);
            QApplication::setFont(font);
        }
        for (std::size_t id = 0; id < windows::kWindowCount; ++id) {
            const std::unique_ptr<QWidget> window(
                windows::createWindow(static_cast<windows::WindowId>(id), {".", ","}));
            window->show();
            QCoreApplication::processEvents();
            std::vector<std::pair<const QWidget*, QRect>> controls;
            for (const QWidget* w : window->findChildren<QWidget*>()) {
                const bool control = qobject_cast<const QLabel*>(w) ||
                                     qobject_cast<const QLineEdit*>(w) ||
                                     qobject_cast<const QAbstractButton*>(w);
                if (control && w->isVisibleTo(window.get()) &&
                    !qobject_cast<const QLineEdit*>(w->parentWidget()))
                    controls.emplace_back(w, placeIn(*window, *w));
            }
            QVERIFY(controls.size() > 5);
            const auto where = [&](const QWidget* w, const QRect& r) {
                return window->objectName() + u' ' + describe(*w, r);
            };
            for (auto a = controls.begin(); a != controls.end(); ++a) {
                QVERIFY2(window->rect().contains(a->second),
                         qPrintable(where(a->first, a->second)));
                for (auto b = std::next(a); b != controls.end(); ++b)
                    QVERIFY2(!a->second.intersects(b->second),
                             qPrintable(where(a->first, a->second) + QStringLiteral(" covers ") +
                                        where(b->first, b->second)));
                if (!level || qobject_cast<const QLineEdit*>(a->first)) continue;
                // The box beside it: the one whose height takes in its middle.
                const int middle = a->second.center().y();
                for (const auto& [w, r] : controls)
                    if (qobject_cast<const QLineEdit*>(w) && r.top() <= middle &&
                        middle <= r.bottom())
                        QVERIFY2(std::abs(r.center().y() - middle) <= 1,
                                 qPrintable(where(a->first, a->second) +
                                            QStringLiteral(" beside ") + where(w, r)));
            }
        }
    }

    // Under a larger desktop font every window widens rather than cut a
    // caption, a button or the longest result a box can show, and its rows
    // grow rather than cut a box's line of text.
    void everyTextShowsWholeAtEveryFontSize_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QByteArray>("onlyFor");
        QTest::addColumn<bool>("whileOpen");
        QTest::newRow("desktop font") << 0 << QByteArray() << false;
        QTest::newRow("13 pt") << 13 << QByteArray() << false;
        QTest::newRow("18 pt") << 18 << QByteArray() << false;
        QTest::newRow("18 pt while open") << 18 << QByteArray() << true;
        // A desktop may give the fields a font of their own; then no caption
        // stretches the layout for them. Last, as a class font stays set.
        QTest::newRow("18 pt fields") << 18 << QByteArray("QLineEdit") << false;
        QTest::newRow("18 pt fields while open") << 18 << QByteArray("QLineEdit") << true;
        QTest::newRow("18 pt captions") << 18 << QByteArray("QLabel") << false;
        QTest::newRow("18 pt options") << 18 << QByteArray("QRadioButton") << false;
    }

    void everyTextShowsWholeAtEveryFontSize()
    {
        QFETCH(int, points);
        QFETCH(QByteArray, onlyFor);
        QFETCH(bool, whileOpen);
        const char* className = onlyFor.isEmpty() ? nullptr : onlyFor.constData();
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        if (points) font.setPointSize(points);
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop, className); });
        if (!whileOpen) QApplication::setFont(font, className);
        std::vector<std::unique_ptr<QWidget>> windows;
        for (std::size_t id = 0; id < windows::kWindowCount; ++id) {
            windows.emplace_back(
                windows::createWindow(static_cast<windows::WindowId>(id), {".", ","}));
            windows.back()->show();  // the windows laid out by Qt's layouts settle when shown
        }
        if (whileOpen) QApplication::setFont(font, className);
        QCoreApplication::processEvents();  // the controls ask for room by posted events
        for (const auto& window : windows) {
            // A window that Qt's layouts arrange keeps the size it was shown
            // at and gives its controls their minimum sizes; that is Qt's
            // to settle, not ours.
            if (whileOpen && window->layout()) continue;
            for (const QWidget* w : window->findChildren<QWidget*>()) {
                if (w->isHidden()) continue;
                const QString what = window->objectName() + u' ' + w->objectName();
                const auto* label = qobject_cast<const QLabel*>(w);
                if ((label && label->pixmap().isNull()) || qobject_cast<const QAbstractButton*>(w))
                    QVERIFY2(w->sizeHint().width() <= w->width(),
                             qPrintable(what + QStringLiteral(" needs %1 pixels, has %2")
                                                   .arg(w->sizeHint().width())
                                                   .arg(w->width())));
                const auto* box = qobject_cast<const QLineEdit*>(w);
                if (box && box->hasFrame())
                    QVERIFY2(windows::lineEditHeightFor(*box) <= box->height(),
                             qPrintable(what + QStringLiteral(" is %1 pixels high, needs %2")
                                                   .arg(box->height())
                                                   .arg(windows::lineEditHeightFor(*box))));
                if (box && box->isReadOnly()) {
                    // A line edit shows its text inside its frame and a
                    // margin of one pixel on each side.
                    const int frame =
                        box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
                    const int needed = box->fontMetrics().horizontalAdvance(
                        QStringLiteral("-1.23456789012345E+100"));
                    QVERIFY2(needed + 2 * (frame + 1) <= box->width(), qPrintable(what));
                }
            }
        }
    }

    // The reading marker comes and goes inside its box: a window laid out
    // again while it shows keeps its size, so nothing is cut at its host's edge.
    void readingMarkerLeavesTheLayoutAlone()
    {
        int marked = 0;
        for (const auto& [name, window] : m_windows) {
            QEvent restyle(QEvent::StyleChange);
            QApplication::sendEvent(window.get(), &restyle);
            const QSize before = window->sizeHint();
            std::vector<std::pair<QLineEdit*, QString>> typed;
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                if (box->isReadOnly()) continue;
                typed.emplace_back(box, box->text());
                box->setText(QStringLiteral("1,5x"));
            }
            const auto* marker = window->findChild<const QAction*>(QStringLiteral("ReadingMarker"));
            if (marker && marker->isVisible()) ++marked;
            QApplication::sendEvent(window.get(), &restyle);
            const QSize after = window->sizeHint();
            for (const auto& [box, text] : typed) box->setText(text);
            QApplication::sendEvent(window.get(), &restyle);
            QVERIFY2(after == before, qPrintable(name));
        }
        QVERIFY(marked >= 12);
    }
};

QTEST_MAIN(TestLayout)
#include "layout_test.moc"
