#include "windows/announcer.h"

#include <chrono>

#include <QAccessible>
#include <QAccessibleWidget>

namespace windows {

namespace {

// A notification whose name is the sentence it tells.
class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return static_cast<const Announcer*>(widget())->sentence();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* announcerAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        if (auto* announcer = qobject_cast<Announcer*>(object))
            return new AccessibleAnnouncer(announcer);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent, std::function<qint64()> clock)
    : QWidget(parent), m_clock(std::move(clock))
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    Q_UNUSED(installed);

    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    if (!m_clock) {
        m_clock = [] {
            using namespace std::chrono;
            return qint64(
                duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
        };
    }
    hide();
}

bool Announcer::announce(const QString& sentence)
{
    if (sentence.isEmpty()) return false;
    const qint64 now = m_clock();
    const bool repeat = sentence == m_sentence && now - m_lastRequest < kQuietMs;
    m_lastRequest = now;
    if (repeat) return false;

    // Readers speak a notification when it starts showing, so it leaves the
    // screen first; the name changes while it is away.
    hide();
    m_sentence = sentence;
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    show();
    return true;
}

}  // namespace windows
