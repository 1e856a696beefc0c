// Every fixed text the user reads, as the running program shows it: window
// captions, prompts, option captions with their "&", abbreviations, the
// composite-area windows' units and results, the frame's menus, shortcuts and
// toolbar, the result boxes' and price labels' menus, the About box, the
// status bar's words for a fault. The texts and the expected area results are
// kept in tests/data/texts.tsv, written down apart from the program's tables;
// controls are found by their object names.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>
#include <QToolBar>

#include "frame/about_form.h"
#include "frame/main_frame.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/category_window.h"
#include "windows/window_id.h"

namespace {

QStringList dataLines()
{
    QFile file(QStringLiteral(TABRIX_TEST_DATA_DIR "/texts.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QStringList lines;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.isEmpty() && !line.startsWith(u'#')) lines << line;
    }
    return lines;
}

QString shownText(const QObject* object)
{
    for (const char* property : {"text", "title"}) {
        const QVariant value = object->property(property);
        if (value.isValid()) return value.toString();
    }
    return QStringLiteral("(no text)");
}

// The items of `control`'s context menu as the keyboard opens it, "|" between
// them; a window's own menu is its actions.
QString menuTexts(QWidget& control)
{
    QList<QAction*> items = control.actions();
    if (control.contextMenuPolicy() != Qt::ActionsContextMenu) {
        QMenu* menu = tabrix_test::openContextMenu(control);
        items = menu ? menu->actions() : QList<QAction*>();
        if (menu) menu->close();
    }
    QStringList texts;
    for (const QAction* item : items)
        if (!item->isSeparator() && item->isVisible()) texts << item->text();
    return texts.join(u'|');
}

}  // namespace

class TestFixedTexts : public QObject {
    Q_OBJECT

    frame::MainFrame* m_frame = nullptr;

    QWidget* window(const QString& name)
    {
        if (name == m_frame->objectName()) return m_frame;
        if (name == QLatin1String("AboutForm")) return m_frame->aboutForm();
        // The help viewer is made when help is first asked for.
        if (name == QLatin1String("HelpViewer") && !m_frame->findChild<QWidget*>(name))
            m_frame->findChild<QAction*>(QStringLiteral("quorvelhelp"))->trigger();
        return m_frame->findChild<QWidget*>(name);
    }

    // The field array of a composite-area window: "TextS1" / "TextT1".
    static QString fieldBase(QWidget& w)
    {
        const QList<QLineEdit*> found =
            w.findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^Text.1\\(1\\)$")));
        return found.isEmpty() ? QString() : found.first()->objectName().chopped(3);
    }

private slots:
    void initTestCase()
    {
        m_frame = new frame::MainFrame;
        m_frame->show();
        for (std::size_t id = 0; id < windows::kWindowCount; ++id)
            m_frame->showWindow(static_cast<windows::WindowId>(id));
    }

    void cleanupTestCase() { delete m_frame; }

    void everyLine_data()
    {
        QTest::addColumn<QStringList>("fields");
        const QStringList lines = dataLines();
        QVERIFY2(lines.size() > 800, "tests/data/texts.tsv is missing or cut short");
        int number = 0;
        for (const QString& line : lines) {
            const QStringList f = line.split(u'\t');
            const QByteArray name = QStringLiteral("%1 %2 %3 %4")
                                        .arg(++number)
                                        .arg(f.value(0), f.value(1), f.value(2))
                                        .toUtf8();
            QTest::newRow(name.constData()) << f;
        }
    }

    void everyLine()
    {
        QFETCH(QStringList, fields);
        QVERIFY(fields.size() >= 4);
        const QString kind = fields[0];
        QWidget* w = window(fields[1]);
        QVERIFY2(w, qPrintable(fields[1] + " did not open"));

        if (kind == QLatin1String("text")) {
            if (fields[2] == fields[1]) {
                QCOMPARE(w->windowTitle(), fields[3]);
                return;
            }
            const QList<QObject*> objects = w->findChildren<QObject*>(fields[2]);
            QVERIFY2(!objects.isEmpty(), qPrintable("no control " + fields[2]));
            for (const QObject* object : objects)  // a menu and its menu action
                QCOMPARE(shownText(object), fields[3]);
        } else if (kind == QLatin1String("control")) {
            QVERIFY2(!w->findChildren<QObject*>(fields[2]).isEmpty(),
                     qPrintable("no control " + fields[2]));
        } else if (kind == QLatin1String("name")) {
            const auto* widget = w->findChild<QWidget*>(fields[2]);
            QVERIFY2(widget, qPrintable("no control " + fields[2]));
            QCOMPARE(widget->accessibleName(), fields[3]);
        } else if (kind == QLatin1String("shortcut")) {
            const auto* action = w->findChild<QAction*>(fields[2]);
            QVERIFY2(action, qPrintable("no action " + fields[2]));
            QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), fields[3]);
        } else if (kind == QLatin1String("order")) {
            const auto* bar = w->findChild<QToolBar*>(fields[2]);
            QVERIFY(bar);
            QStringList keys;
            for (const QAction* action : bar->actions())
                keys << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
            QCOMPARE(keys.join(u','), fields[3]);
        } else if (kind == QLatin1String("menu")) {
            auto* control = fields[2] == fields[1] ? w : w->findChild<QWidget*>(fields[2]);
            QVERIFY2(control, qPrintable("no control " + fields[2]));
            QCOMPARE(menuTexts(*control), fields[3]);
        } else if (kind == QLatin1String("status")) {
            QCOMPARE(fields.size(), 5);
            auto* child = qobject_cast<windows::CategoryWindow*>(w->findChild<QWidget*>(fields[2]));
            QVERIFY(child);
            const QMap<QString, engine::EvalStatus> statuses{
                {QStringLiteral("Overflow"), engine::EvalStatus::Overflow},
                {QStringLiteral("DivideByZero"), engine::EvalStatus::DivideByZero},
                {QStringLiteral("InvalidOperation"), engine::EvalStatus::InvalidOperation}};
            QVERIFY(statuses.contains(fields[3]));
            emit child->evaluationFailed(statuses[fields[3]]);
            const auto* message = w->findChild<QLabel*>(QStringLiteral("EvaluationMessage"));
            QVERIFY(message);
            QCOMPARE(message->text(), fields[4]);
            emit child->evaluationSucceeded();
            QCOMPARE(message->text(), QString());
        } else if (kind == QLatin1String("dimensions")) {
            QCOMPARE(fields.size(), 2 + 6 + 9 + 10);
            const QString base = fieldBase(*w);
            QVERIFY(!base.isEmpty());
            auto field = [&](int k) {
                return w->findChild<QLineEdit*>(QStringLiteral("%1(%2)").arg(base).arg(k));
            };
            for (int k = 1; k <= 6; ++k) {
                QVERIFY(field(k));
                field(k)->clear();
            }
            for (int k = 1; k <= 6; ++k) field(k)->setText(fields[1 + k]);
            for (int k = 1; k <= 9; ++k) QCOMPARE(field(k)->text(), fields[7 + k]);
            const QString resultBase = QString(base).replace(base.size() - 1, 1, u'2');
            for (int k = 1; k <= 10; ++k) {
                const auto* box =
                    w->findChild<QLineEdit*>(QStringLiteral("%1(%2)").arg(resultBase).arg(k));
                QVERIFY(box);
                QCOMPARE(box->text(), fields[16 + k]);
            }
        } else {
            QFAIL(qPrintable("unknown line kind " + kind));
        }
    }
};

QTEST_MAIN(TestFixedTexts)
#include "fixed_texts_test.moc"
