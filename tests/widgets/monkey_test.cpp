// A monkey test of the whole program: tens of thousands of random user events
// over every window, through the real frame, each followed by a check of what
// the windows show against the engine. Seeds are fixed, so a failure repeats;
// it is reported with its seed and the shortest event sequence found that
// still fails, replayed from a fresh frame.
//
// TABRIX_MONKEY_EVENTS sets the events per seed (default below);
// TABRIX_MONKEY_SEED runs one seed instead of the fixed ones;
// TABRIX_MONKEY_LOG names a file that receives every event before it runs,
// for a crash that leaves no report of its own.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <QToolBar>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "engine/area_dimensions.h"
#include "engine/evaluate.h"
#include "engine/price.h"
#include "frame/command_table.h"
#include "frame/main_frame.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/area_dimensions_window.h"
#include "windows/category_window.h"
#include "windows/descriptors.h"
#include "windows/window_factory.h"

using windows::WindowId;

namespace {

constexpr int kDefaultEventsPerSeed = 10000;
constexpr std::array<unsigned, 3> kSeeds = {1, 20261208, 4242};

// Value boxes and area fields take 21 characters, price boxes 10.
constexpr int kValueLimit = 21;
constexpr int kPriceLimit = 10;

// ---------------------------------------------------------------------------
// Events: plain data, so that a failing sequence can be replayed and shortened.

struct Event {
    enum Kind {
        MenuOpen,     // trigger a File menu item: text = "mfdistance"
        ToolbarOpen,  // click a toolbar button: text = "butdistance"
        Close,        // close a child window
        Click,        // mouse click on a control of a window
        Key,          // one key with modifiers, to the focused widget
        Type,         // type a text, one character event per code point
        Paste,        // put a text on the clipboard and press Ctrl+V
        PickDate,     // select a date on a calendar, as its keys and arrows do
        NextWindow,   // activate the next child window
    };

    Kind kind;
    QString window;   // the window's object name ("Form4")
    QString control;  // the control's object name within the window
    QString text;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QDate date;
    QPoint offset;  // where a click lands, from the control's centre

    explicit Event(Kind k, QString w = {}, QString c = {}, QString t = {})
        : kind(k), window(std::move(w)), control(std::move(c)), text(std::move(t))
    {}
    static Event keyPress(int key, Qt::KeyboardModifiers modifiers)
    {
        Event e(Key);
        e.key = key;
        e.modifiers = modifiers;
        return e;
    }
    static Event click(QString window, QString control, QPoint offset)
    {
        Event e(Click, std::move(window), std::move(control));
        e.offset = offset;
        return e;
    }
    static Event pick(QString window, QString calendar, QDate date)
    {
        Event e(PickDate, std::move(window), std::move(calendar));
        e.date = date;
        return e;
    }
};

QString escaped(const QString& text)
{
    QString out;
    for (const QChar c : text.left(40)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\') out += c;
        else out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (text.size() > 40) out += QStringLiteral("…(%1 chars)").arg(text.size());
    return out;
}

QString describe(const Event& e)
{
    switch (e.kind) {
    case Event::MenuOpen: return QStringLiteral("menu %1").arg(e.text);
    case Event::ToolbarOpen: return QStringLiteral("toolbar %1").arg(e.text);
    case Event::Close: return QStringLiteral("close %1").arg(e.window);
    case Event::Click:
        return QStringLiteral("click %1/%2 %3,%4")
            .arg(e.window, e.control)
            .arg(e.offset.x())
            .arg(e.offset.y());
    case Event::Key:
        return QStringLiteral("key %1 mods %2")
            .arg(QKeySequence(e.key | int(e.modifiers)).toString())
            .arg(int(e.modifiers), 0, 16);
    case Event::Type: return QStringLiteral("type \"%1\"").arg(escaped(e.text));
    case Event::Paste: return QStringLiteral("paste \"%1\"").arg(escaped(e.text));
    case Event::PickDate:
        return QStringLiteral("pick %1/%2 %3")
            .arg(e.window, e.control, e.date.toString(Qt::ISODate));
    case Event::NextWindow: return QStringLiteral("next window");
    }
    return {};
}

// ---------------------------------------------------------------------------
// Random texts of every kind a user can type or paste.

class TextSource {
public:
    explicit TextSource(std::mt19937& rng) : m_rng(rng) {}

    QString any()
    {
        switch (pick(12)) {
        case 0:
        case 1:
        case 2: return numberLike();
        case 3: return QString(QChar(u"0123456789.,-+eE "[pick(17)]));
        case 4: return longText();
        case 5: return controlText();
        case 6: return rightToLeft();
        case 7: return emoji();
        case 8: return brokenUtf16();
        case 9: return latin1Bytes();
        case 10: return QStringLiteral("&H") + hexDigits();
        default: return mixed();
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QString digits(int max)
    {
        QString s;
        for (int n = 1 + pick(max); n > 0; --n) s += QChar(u'0' + pick(10));
        return s;
    }
    QString hexDigits()
    {
        QString s;
        for (int n = 1 + pick(24); n > 0; --n) s += QChar(u"0123456789abcdefABCDEF"[pick(22)]);
        return s;
    }
    QString numberLike()
    {
        static const char* const kFixed[] = {
            "0",   "1",   "-1",    "1e3",   "1e308", "1e309",  "-1e308", "1e-320",
            "0.5", "-0",  ".",     "-",     "1,000", "1 000",  "12abc",  "1E",
            "+7",  "-.5", "1e302", "9e307", "&O777", "2.5E-1", "1d3",    "99999999999"};
        if (pick(3) == 0) return QString::fromLatin1(kFixed[pick(int(std::size(kFixed)))]);
        QString s;
        if (pick(3) == 0) s += QChar(pick(2) ? u'-' : u'+');
        s += digits(12);
        if (pick(2)) s += QChar(pick(4) ? u'.' : u',') + digits(8);
        if (pick(3) == 0)
            s += QChar(pick(2) ? u'e' : u'E') + QString(pick(2) ? "-" : "") + digits(3);
        return s;
    }
    QString longText()
    {
        QString s;
        for (int n = 22 + pick(200); n > 0; --n) s += QChar(u"0123456789.e- x"[pick(15)]);
        return s;
    }
    QString controlText()
    {
        static const char16_t kControls[] = {u'\t', u'\n', u'\r', 0x01, 0x08,
                                             0x1b,  0x7f,  0x00,  0x85, 0x2028};
        QString s = digits(3);
        for (int n = 1 + pick(4); n > 0; --n)
            s.insert(pick(int(s.size()) + 1), QChar(kControls[pick(10)]));
        return s;
    }
    QString rightToLeft()
    {
        // Hebrew and Arabic letters, Arabic-Indic digits, the Arabic decimal
        // separator, right-to-left marks and overrides.
        static const char16_t kRtl[] = {0x05D0, 0x05D1, 0x0627, 0x0644, 0x0660, 0x0661, 0x0669,
                                        0x066B, 0x066C, 0x200F, 0x202E, 0x202C, 0x061C};
        QString s;
        for (int n = 1 + pick(8); n > 0; --n)
            s += pick(3) ? QChar(kRtl[pick(13)]) : QChar(u'0' + pick(10));
        return s;
    }
    QString emoji()
    {
        static const char32_t kEmoji[] = {0x1F600, 0x1F44D, 0x1F3FD, 0x200D,
                                          0x2764,  0xFE0F,  0x1F1E9, 0x1F1EA};
        QString s = pick(2) ? digits(4) : QString();
        for (int n = 1 + pick(5); n > 0; --n) {
            const char32_t c = kEmoji[pick(8)];
            s += QString::fromUcs4(&c, 1);
        }
        return s;
    }
    // Lone surrogates: text that no UTF-8 can spell, as a broken paste may carry.
    QString brokenUtf16()
    {
        QString s = digits(4);
        s.insert(pick(int(s.size()) + 1), QChar(char16_t(0xD800 + pick(0x800))));
        return s;
    }
    // Bytes of another encoding read as Latin-1, and invalid UTF-8 decoded.
    QString latin1Bytes()
    {
        QByteArray bytes;
        for (int n = 1 + pick(8); n > 0; --n) bytes += char(0x80 + pick(0x80));
        return pick(2) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    }
    QString mixed()
    {
        QString s;
        for (int n = 1 + pick(3); n > 0; --n) {
            switch (pick(4)) {
            case 0: s += numberLike(); break;
            case 1: s += rightToLeft(); break;
            case 2: s += emoji(); break;
            default: s += QChar(char16_t(0x20 + pick(0x5f))); break;
            }
        }
        return s;
    }

    std::mt19937& m_rng;
};

// ---------------------------------------------------------------------------
// The program under test, and where its windows and controls are.

struct Program {
    std::unique_ptr<frame::MainFrame> frame;
    QMdiArea* mdi = nullptr;

    Program()
    {
        frame = std::make_unique<frame::MainFrame>();
        frame->resize(1400, 1000);
        frame->show();
        mdi = frame->findChild<QMdiArea*>();
    }

    // Every open child window by object name.
    std::map<QString, QWidget*> windows() const
    {
        std::map<QString, QWidget*> open;
        for (QMdiSubWindow* sub : mdi->subWindowList())
            if (sub->widget()) open[sub->widget()->objectName()] = sub->widget();
        return open;
    }
    QWidget* window(const QString& name) const
    {
        const auto open = windows();
        const auto it = open.find(name);
        return it == open.end() ? nullptr : it->second;
    }
    QMdiSubWindow* subWindow(const QString& name) const
    {
        for (QMdiSubWindow* sub : mdi->subWindowList())
            if (sub->widget() && sub->widget()->objectName() == name) return sub;
        return nullptr;
    }
};

// Windows closed with Qt::WA_DeleteOnClose go at the next deferred delete.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void perform(Program& p, const Event& e)
{
    QWidget* window = e.window.isEmpty() ? nullptr : p.window(e.window);
    QWidget* control =
        window && !e.control.isEmpty() ? window->findChild<QWidget*>(e.control) : nullptr;
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : p.frame.get();

    switch (e.kind) {
    case Event::MenuOpen:
        if (auto* action = p.frame->findChild<QAction*>(e.text)) action->trigger();
        break;
    case Event::ToolbarOpen:
        if (auto* action = p.frame->findChild<QAction*>(e.text)) {
            auto* toolbar = p.frame->findChild<QToolBar*>();
            QWidget* button = toolbar ? toolbar->widgetForAction(action) : nullptr;
            if (button && button->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
            else action->trigger();  // in the toolbar's overflow menu
        }
        break;
    case Event::Close:
        if (QMdiSubWindow* sub = p.subWindow(e.window)) sub->close();
        break;
    case Event::Click:
        if (auto* calendar = qobject_cast<QCalendarWidget*>(control)) {
            auto* view =
                calendar->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
            if (view && view->isVisible()) {
                QWidget* viewport = view->viewport();
                QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(viewport->width() * e.offset.x() / 100,
                                         viewport->height() * e.offset.y() / 100));
            }
        } else if (control && control->isVisible()) {
            const QPoint centre = control->rect().center();
            QPoint at = centre + e.offset;
            at.setX(std::clamp(at.x(), 0, control->width() - 1));
            at.setY(std::clamp(at.y(), 0, control->height() - 1));
            QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
        }
        break;
    case Event::Key: QTest::keyClick(focus, Qt::Key(e.key), e.modifiers); break;
    case Event::Type:
        for (const uint codePoint : e.text.toUcs4()) {
            const char32_t c = codePoint;
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
            focus = QApplication::focusWidget() ? QApplication::focusWidget() : p.frame.get();
        }
        break;
    case Event::Paste:
        QGuiApplication::clipboard()->setText(e.text);
        QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
        break;
    case Event::PickDate:
        if (auto* calendar = qobject_cast<QCalendarWidget*>(control))
            calendar->setSelectedDate(e.date);
        break;
    case Event::NextWindow: p.mdi->activateNextSubWindow(); break;
    }
    settle();
}

// ---------------------------------------------------------------------------
// Checks: what each window shows against what the engine computes.

std::string utf8(const QString& text) { return text.toStdString(); }

using tabrix_test::indexed;

template <typename T>
T* child(QWidget* window, const QString& name)
{
    return window->findChild<T*>(name);
}

// Applies the writes of an evaluation to copies of the texts a window shows.
struct TextsSink : engine::EvalSink, engine::PriceSink {
    QString caption;
    std::vector<QString> results, prices;
    void Echo(std::string_view a) override
    {
        caption = QString::fromUtf8(a.data(), qsizetype(a.size()));
    }
    void Result(int target, std::string_view t) override
    {
        results[std::size_t(target - 1)] = QString::fromUtf8(t.data(), qsizetype(t.size()));
    }
    void Price(int target, std::string_view t) override
    {
        prices[std::size_t(target - 1)] = QString::fromUtf8(t.data(), qsizetype(t.size()));
    }
};

struct CategoryState {
    QString value, price;
    int selected = 0;
    std::vector<bool> enabled;
};

CategoryState categoryState(QWidget* window, const windows::WindowDescriptor& d)
{
    CategoryState s;
    const int n = int(d.table().size);
    s.value = child<QLineEdit>(window, QString::fromLatin1(d.names.valueBox))->text();
    if (d.hasPrices())
        s.price = child<QLineEdit>(window, QString::fromLatin1(d.names.priceBox))->text();
    for (int k = 1; k <= n; ++k) {
        auto* option = child<QRadioButton>(window, windows::indexedName(d.names.options, k));
        if (option->isChecked() && s.selected == 0) s.selected = k;
        s.enabled.push_back(option->isEnabled());
    }
    return s;
}

// The inputs of the last price computation of one price window.
struct PriceModel {
    int unit = 1;
    QString text = QStringLiteral("0");
};

class Checker {
public:
    explicit Checker(const engine::NumberFormat& format) : m_format(format) {}

    // Records what the price model needs before an event.
    void before(Program& p)
    {
        m_before.clear();
        for (const auto& [name, window] : p.windows()) {
            for (const windows::WindowDescriptor& d : windows::categoryDescriptors())
                if (d.hasPrices() && name == QLatin1String(d.objectName()))
                    m_before[window] = categoryState(window, d);
        }
    }

    // Empty when every window is as it should be; otherwise what is wrong.
    QString after(Program& p, const Event& e)
    {
        for (auto it = m_prices.begin(); it != m_prices.end();)
            it = it->second.alive ? std::next(it) : m_prices.erase(it);
        const auto open = p.windows();
        if (p.mdi->subWindowList().size() != qsizetype(open.size()))
            return QStringLiteral("two child windows share a name");
        for (const auto& [name, window] : open) {
            QString problem;
            if (const windows::WindowDescriptor* d = descriptorNamed(name))
                problem = checkCategory(window, *d, e);
            else if (name == QLatin1String("Form00")) problem = checkDates(window);
            else problem = checkDimensions(window, name);
            if (!problem.isEmpty()) return name + QStringLiteral(": ") + problem;
        }
        return {};
    }

private:
    static const windows::WindowDescriptor* descriptorNamed(const QString& name)
    {
        for (const windows::WindowDescriptor& d : windows::categoryDescriptors())
            if (name == QLatin1String(d.objectName())) return &d;
        return nullptr;
    }

    QString checkCategory(QWidget* window, const windows::WindowDescriptor& d, const Event& e)
    {
        const engine::UnitTable& table = d.table();
        const int n = int(table.size);
        const CategoryState s = categoryState(window, d);
        if (s.value.size() > kValueLimit)
            return QStringLiteral("value box holds %1 characters").arg(s.value.size());
        if (d.hasPrices() && s.price.size() > kPriceLimit)
            return QStringLiteral("price box holds %1 characters").arg(s.price.size());
        if (s.selected == 0) return QStringLiteral("no unit option is selected");

        const bool numeric = engine::IsNumericText(utf8(s.value), m_format);
        for (int k = 1; k <= n; ++k)
            if (s.enabled[std::size_t(k - 1)] != numeric)
                return QStringLiteral("option %1 enabled %2 for \"%3\"")
                    .arg(k)
                    .arg(!numeric)
                    .arg(escaped(s.value));

        // The boxes must be what evaluating the value box's text for the
        // selected unit writes over them: a window that evaluated would not
        // change, and a failed evaluation leaves the texts it did not reach.
        TextsSink expected;
        auto* caption = child<QLabel>(window, QString::fromLatin1(d.names.captionLabel));
        expected.caption = caption->text();
        for (int k = 1; k <= n; ++k)
            expected.results.push_back(
                child<QLineEdit>(window, windows::indexedName(d.names.results, k))->text());
        const std::vector<QString> shown = expected.results;
        engine::Evaluate(table, s.selected, utf8(s.value), m_format, expected);
        if (expected.caption != caption->text())
            return QStringLiteral("caption label \"%1\", expected \"%2\"")
                .arg(caption->text(), expected.caption);
        for (int k = 1; k <= n; ++k)
            if (expected.results[std::size_t(k - 1)] != shown[std::size_t(k - 1)])
                return QStringLiteral(
                           "result %1 shows \"%2\", the engine gives \"%3\" for \"%4\" in unit %5")
                    .arg(k)
                    .arg(escaped(shown[std::size_t(k - 1)]), expected.results[std::size_t(k - 1)],
                         escaped(s.value))
                    .arg(s.selected);
        if (!d.hasPrices()) return {};

        // The price labels follow the last price computation: the opening
        // one, a unit pick, or a numeric change of the price box.
        auto [it, opened] = m_prices.try_emplace(window, PriceEntry{window, {}});
        PriceModel& model = it->second.model;
        if (!opened) {
            const auto before = m_before.find(window);
            if (before != m_before.end()) {
                const CategoryState& b = before->second;
                const bool readable =
                    engine::ReadValue(utf8(s.value)).status == engine::EvalStatus::Ok;
                const bool clickedOption =
                    e.kind == Event::Click && e.window == window->objectName() &&
                    e.control.startsWith(QLatin1String(d.names.options)) && b.enabled.front();
                const bool spaceOnOption =
                    e.kind == Event::Key && e.key == Qt::Key_Space &&
                    qobject_cast<QRadioButton*>(QApplication::focusWidget()) &&
                    window->isAncestorOf(QApplication::focusWidget()) && b.enabled.front();
                const bool optionTaken =
                    (clickedOption || spaceOnOption || b.selected != s.selected) && readable;
                const bool priceRead =
                    b.price != s.price && engine::IsNumericText(utf8(s.price), m_format);
                if (optionTaken || priceRead) model = {s.selected, s.price};
            }
        }
        TextsSink prices;
        for (int k = 1; k <= n; ++k)
            prices.prices.push_back(
                child<QLabel>(window, windows::indexedName(d.names.priceLabels, k))->text());
        const std::vector<QString> labels = prices.prices;
        engine::EvaluatePrice(table, model.unit, utf8(model.text), m_format, prices);
        for (int k = 1; k <= n; ++k)
            if (prices.prices[std::size_t(k - 1)] != labels[std::size_t(k - 1)])
                return QStringLiteral("price label %1 shows \"%2\", expected \"%3\" for price "
                                      "\"%4\" per unit %5")
                    .arg(k)
                    .arg(labels[std::size_t(k - 1)], prices.prices[std::size_t(k - 1)],
                         escaped(model.text))
                    .arg(model.unit);
        return {};
    }

    QString checkDates(QWidget* window)
    {
        const QDate first =
            child<QCalendarWidget>(window, QStringLiteral("MonthView1"))->selectedDate();
        const QDate second =
            child<QCalendarWidget>(window, QStringLiteral("MonthView2"))->selectedDate();
        const QString text1 = first.toString(QStringLiteral("MM/dd/yyyy"));
        const QString text2 = second.toString(QStringLiteral("MM/dd/yyyy"));
        const qint64 days = qAbs(first.daysTo(second));
        const QString sentence =
            (first > second
                 ? QStringLiteral("The difference between your dates is ")
                 : QStringLiteral("The difference between your first and second date is ")) +
            QString::number(days) + QStringLiteral(" days.");
        const std::pair<const char*, QString> expected[] = {
            {"Date1", text1},
            {"Date2", text2},
            {"Label1", QStringLiteral("Your first date is ") + text1},
            {"Label2", QStringLiteral("Your second date is ") + text2},
            {"Date3", sentence},
        };
        for (const auto& [name, text] : expected) {
            const QString shown = child<QLabel>(window, QString::fromLatin1(name))->text();
            if (shown != text)
                return QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(name, shown, text);
        }
        return {};
    }

    QString checkDimensions(QWidget* window, const QString& name)
    {
        const windows::AreaDimensionsDescriptor& d =
            name == QLatin1String(windows::metricDimensionsDescriptor().objectName())
                ? windows::metricDimensionsDescriptor()
                : windows::standardDimensionsDescriptor();
        const QString letter = QChar::fromLatin1(d.letter);
        engine::DimensionBoxes texts;
        for (int k = 1; k <= engine::kDimensionBoxes; ++k) {
            const QString text =
                child<QLineEdit>(window, indexed(QStringLiteral("Text") + letter + u'1', k))
                    ->text();
            if (k <= engine::kDimensionFields && text.size() > kValueLimit)
                return QStringLiteral("field %1 holds %2 characters").arg(k).arg(text.size());
            texts.Box(k) = utf8(text);
        }
        for (int k = 1; k <= engine::kDimensionResults; ++k)
            texts.Result(k) =
                utf8(child<QLineEdit>(window, indexed(QStringLiteral("Text") + letter + u'2', k))
                         ->text());

        // Before the first computation the window shows the texts it opens
        // with, which a fresh window tells.
        if (texts == initialDimensionTexts(name)) return {};

        engine::DimensionBoxes again = texts;
        engine::RunAreaDimensions(d.table(), again, m_format);
        for (int k = 1; k <= engine::kDimensionBoxes; ++k)
            if (again.Box(k) != texts.Box(k))
                return QStringLiteral("box %1 holds \"%2\", computing again gives \"%3\"")
                    .arg(k)
                    .arg(escaped(QString::fromStdString(texts.Box(k))),
                         escaped(QString::fromStdString(again.Box(k))));
        for (int k = 1; k <= engine::kDimensionResults; ++k)
            if (again.Result(k) != texts.Result(k))
                return QStringLiteral("result %1 shows \"%2\", computing again gives \"%3\"")
                    .arg(k)
                    .arg(QString::fromStdString(texts.Result(k)),
                         QString::fromStdString(again.Result(k)));
        return {};
    }

    struct PriceEntry {
        QPointer<QWidget> alive;  // a closed window's entry goes before its address is reused
        PriceModel model;
    };
    engine::DimensionBoxes initialDimensionTexts(const QString& name)
    {
        auto [it, fresh] = m_initialDimensions.try_emplace(name);
        if (!fresh) return it->second;
        const WindowId id =
            name == QLatin1String(windows::metricDimensionsDescriptor().objectName())
                ? WindowId::AreaMetric
                : WindowId::AreaStandard;
        std::unique_ptr<QWidget> window(windows::createWindow(id, m_format));
        const QString letter = QChar::fromLatin1(
            name == QLatin1String(windows::metricDimensionsDescriptor().objectName())
                ? windows::metricDimensionsDescriptor().letter
                : windows::standardDimensionsDescriptor().letter);
        for (int k = 1; k <= engine::kDimensionBoxes; ++k)
            it->second.Box(k) = utf8(
                child<QLineEdit>(window.get(), indexed(QStringLiteral("Text") + letter + u'1', k))
                    ->text());
        for (int k = 1; k <= engine::kDimensionResults; ++k)
            it->second.Result(k) = utf8(
                child<QLineEdit>(window.get(), indexed(QStringLiteral("Text") + letter + u'2', k))
                    ->text());
        return it->second;
    }

    engine::NumberFormat m_format;
    std::map<QString, engine::DimensionBoxes> m_initialDimensions;
    std::map<QWidget*, PriceEntry> m_prices;
    std::map<QWidget*, CategoryState> m_before;
};

// ---------------------------------------------------------------------------
// The random user.

class Monkey {
public:
    explicit Monkey(unsigned seed) : m_rng(seed), m_texts(m_rng) {}

    // Typed texts come one character per event, so that the checks see every
    // text the boxes go through.
    Event next(const Program& p)
    {
        if (m_pending.empty()) {
            Event e = choose(p);
            if (e.kind != Event::Type) return e;
            // Long texts come mostly by pasting; typing stops a little past
            // what a value box takes.
            for (const uint codePoint : e.text.toUcs4().mid(0, 25)) {
                const char32_t c = codePoint;
                m_pending.push_back(Event(Event::Type, {}, {}, QString::fromUcs4(&c, 1)));
            }
            if (m_pending.empty()) return e;
        }
        Event e = m_pending.front();
        m_pending.erase(m_pending.begin());
        return e;
    }

private:
    Event choose(const Program& p)
    {
        const auto open = p.windows();
        const int roll = pick(100);
        if (open.empty() || roll < 6) return openEvent();
        if (roll < 9) return Event(Event::Close, randomWindow(open)->objectName());
        if (roll < 11) return Event(Event::NextWindow);
        if (roll < 40) return clickEvent(open);
        if (roll < 55) return Event(Event::Type, {}, {}, m_texts.any());
        if (roll < 62) return Event(Event::Paste, {}, {}, m_texts.any());
        if (roll < 70) {
            for (const auto& [name, window] : open)
                if (name == QLatin1String("Form00") && pick(2)) return pickDateEvent(window);
        }
        return keyEvent();
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    QWidget* randomWindow(const std::map<QString, QWidget*>& open)
    {
        auto it = open.begin();
        std::advance(it, pick(int(open.size())));
        return it->second;
    }

    Event openEvent()
    {
        const frame::WindowCommand& c =
            frame::kWindowCommands[std::size_t(pick(int(frame::kWindowCommands.size())))];
        return pick(2) ? Event(Event::MenuOpen, {}, {}, QString::fromLatin1(c.menuName))
                       : Event(Event::ToolbarOpen, {}, {}, QString::fromLatin1(c.toolbarKey));
    }

    // Any named control of a window: boxes, options, buttons, calendars.
    Event clickEvent(const std::map<QString, QWidget*>& open)
    {
        QWidget* window = randomWindow(open);
        QList<QWidget*> controls;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
                (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                 qobject_cast<QCalendarWidget*>(w)))
                controls += w;
        if (controls.isEmpty()) return keyEvent();
        QWidget* control = controls[pick(int(controls.size()))];
        // Calendars: a date set as their keys set it, or a click somewhere on
        // the month view, the offset then in hundredths of its size.
        if (qobject_cast<QCalendarWidget*>(control)) {
            if (pick(2)) return pickDateEvent(window);
            return Event::click(window->objectName(), control->objectName(),
                                QPoint(pick(100), pick(100)));
        }
        return Event::click(window->objectName(), control->objectName(),
                            QPoint(pick(21) - 10, pick(7) - 3));
    }

    Event pickDateEvent(QWidget* window)
    {
        const QString calendar =
            pick(2) ? QStringLiteral("MonthView1") : QStringLiteral("MonthView2");
        // Mostly near today, sometimes anywhere, sometimes at the ends of the range.
        QDate date = QDate::currentDate().addDays(pick(2000) - 1000);
        if (pick(5) == 0) date = QDate(1753 + pick(8247), 1 + pick(12), 1 + pick(28));
        if (pick(20) == 0) date = pick(2) ? QDate(1, 1, 1) : QDate(9999, 12, 31);
        return Event::pick(window->objectName(), calendar, date);
    }

    Event keyEvent()
    {
        static const int kKeys[] = {
            Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete,
            Qt::Key_Left,   Qt::Key_Right,   Qt::Key_Up,        Qt::Key_Down,
            Qt::Key_Home,   Qt::Key_End,     Qt::Key_Space,     Qt::Key_Return,
            Qt::Key_Escape, Qt::Key_PageUp,  Qt::Key_PageDown,  Qt::Key_Insert};
        // Ctrl+letters: undo, redo, cut, copy, select all, and the frame's
        // window shortcuts; Ctrl+F4 and Ctrl+Tab act on the child windows.
        static const int kCtrlKeys[] = {Qt::Key_Z,   Qt::Key_Y, Qt::Key_X,    Qt::Key_C,
                                        Qt::Key_A,   Qt::Key_D, Qt::Key_T,    Qt::Key_L,
                                        Qt::Key_B,   Qt::Key_M, Qt::Key_N,    Qt::Key_F4,
                                        Qt::Key_Tab, Qt::Key_K, Qt::Key_Home, Qt::Key_End};
        if (pick(4) == 0)
            return Event::keyPress(kCtrlKeys[pick(int(std::size(kCtrlKeys)))],
                                   pick(5) == 0 ? Qt::ControlModifier | Qt::ShiftModifier
                                                : Qt::ControlModifier);
        return Event::keyPress(kKeys[pick(int(std::size(kKeys)))],
                               pick(6) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
    }

    std::mt19937 m_rng;
    TextSource m_texts;
    std::vector<Event> m_pending;
};

// Replays events on a fresh program; the index and text of the first failure.
std::optional<std::pair<std::size_t, QString>> replay(const std::vector<Event>& events,
                                                      QTextStream* log)
{
    Program p;
    Checker checker(windows::systemNumberFormat());
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (log) {
            *log << i << ' ' << describe(events[i]) << '\n';
            log->flush();
        }
        checker.before(p);
        perform(p, events[i]);
        const QString problem = checker.after(p, events[i]);
        if (!problem.isEmpty()) return std::make_pair(i, problem);
    }
    return std::nullopt;
}

// Drops chunks of events while the sequence still fails (delta debugging),
// within a bounded number of replays.
std::vector<Event> shorten(std::vector<Event> events)
{
    int replays = 0;
    for (std::size_t chunk = events.size() / 2; chunk >= 1 && replays < 400; chunk /= 2) {
        for (std::size_t start = 0; start < events.size() && replays < 400;) {
            std::vector<Event> candidate(events.begin(), events.begin() + std::ptrdiff_t(start));
            const std::size_t end = std::min(events.size(), start + chunk);
            candidate.insert(candidate.end(), events.begin() + std::ptrdiff_t(end), events.end());
            ++replays;
            if (const auto failure = replay(candidate, nullptr)) {
                candidate.erase(candidate.begin() + std::ptrdiff_t(failure->first + 1),
                                candidate.end());
                events = std::move(candidate);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    return events;
}

int eventsPerSeed()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TABRIX_MONKEY_EVENTS", &ok);
    return ok && n > 0 ? n : kDefaultEventsPerSeed;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomEventsKeepEveryWindowTrue_data();
    void randomEventsKeepEveryWindowTrue();
};

void MonkeyTest::randomEventsKeepEveryWindowTrue_data()
{
    QTest::addColumn<unsigned>("seed");
    bool ok = false;
    const unsigned chosen = qEnvironmentVariable("TABRIX_MONKEY_SEED").toUInt(&ok);
    if (ok) {
        QTest::newRow(qPrintable(QString::number(chosen))) << chosen;
        return;
    }
    for (unsigned seed : kSeeds) QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void MonkeyTest::randomEventsKeepEveryWindowTrue()
{
    QFETCH(unsigned, seed);
    const int count = eventsPerSeed();

    QFile logFile(qEnvironmentVariable("TABRIX_MONKEY_LOG"));
    std::unique_ptr<QTextStream> log;
    if (!logFile.fileName().isEmpty() && logFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        log = std::make_unique<QTextStream>(&logFile);

    std::vector<Event> events;
    QString failure;
    {
        Program p;
        Checker checker(windows::systemNumberFormat());
        Monkey monkey(seed);
        std::array<int, 9> kinds{};
        for (int i = 0; i < count && failure.isEmpty(); ++i) {
            events.push_back(monkey.next(p));
            if (log) {
                *log << i << ' ' << describe(events.back()) << '\n';
                log->flush();
            }
            ++kinds[std::size_t(events.back().kind)];
            checker.before(p);
            perform(p, events.back());
            failure = checker.after(p, events.back());
        }
        qInfo("seed %u: %zu events (menu %d, toolbar %d, close %d, click %d, key %d, type %d, "
              "paste %d, "
              "date %d, next window %d)",
              seed, events.size(), kinds[0], kinds[1], kinds[2], kinds[3], kinds[4], kinds[5],
              kinds[6], kinds[7], kinds[8]);
    }
    if (failure.isEmpty()) return;

    qWarning("seed %u failed after %zu events: %s", seed, events.size(), qPrintable(failure));
    const std::vector<Event> shortest = shorten(events);
    const auto again = replay(shortest, nullptr);
    QString report = QStringLiteral("seed %1: %2\nshortest sequence found (%3 events):\n")
                         .arg(seed)
                         .arg(again ? again->second : failure)
                         .arg(shortest.size());
    for (const Event& e : shortest) report += QStringLiteral("  ") + describe(e) + u'\n';
    QFAIL(qPrintable(report));
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
