#include "search/search_service.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QLocale>
#include <QProcess>

namespace search {

namespace {

// More words than any query of ours holds; thousands of terms are refused
// before they are joined.
constexpr qsizetype kMaxTerms = 32;

// KRunner's match types: a query with a target asks for exactly one answer.
constexpr int kExactMatch = 100;
constexpr int kHelperMatch = 70;

const QString kIcon = QStringLiteral("tabrix");

QString query(const QStringList& terms)
{
    return terms.size() > kMaxTerms ? QString() : terms.join(QLatin1Char(' '));
}

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

SearchService::SearchService(std::chrono::milliseconds idleTime, QString program, QObject* parent)
    : QObject(parent), m_program(std::move(program))
{
    const QLocale locale = QLocale::system();
    m_format = {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleTime);
    connect(&m_idle, &QTimer::timeout, this, &SearchService::idle);
    m_idle.start();
}

void SearchService::touch() { m_idle.start(); }

std::vector<Answer> SearchService::answers(const QString& query)
{
    touch();
    return Answers(query.toStdString(), m_format);
}

std::optional<Answer> SearchService::answerFor(const QString& id)
{
    touch();
    const std::optional<Conversion> conversion = ReadAnswerId(id.toStdString(), m_format);
    return conversion ? AnswerFor(*conversion, m_format) : std::nullopt;
}

bool SearchService::open(const QString& id)
{
    touch();
    const std::optional<Conversion> conversion = ReadAnswerId(id.toStdString(), m_format);
    if (!conversion) return false;
    QStringList arguments;
    for (const std::string& argument : OpenArguments(*conversion)) arguments << text(argument);
    return QProcess::startDetached(m_program, arguments);
}

bool SearchService::find(const QString& query)
{
    touch();
    if (!IsPlainQuery(query.toStdString())) return false;
    return QProcess::startDetached(m_program, {QStringLiteral("--find"), query});
}

ShellSearchAdaptor::ShellSearchAdaptor(SearchService* service)
    : QDBusAbstractAdaptor(service), m_service(service)
{}

QStringList ShellSearchAdaptor::GetInitialResultSet(const QStringList& terms)
{
    QStringList ids;
    for (const Answer& answer : m_service->answers(query(terms))) ids << text(answer.id);
    return ids;
}

// The previous results narrow nothing: a longer query can name another unit.
QStringList ShellSearchAdaptor::GetSubsearchResultSet(const QStringList& /*previousResults*/,
                                                      const QStringList& terms)
{
    return GetInitialResultSet(terms);
}

QList<QVariantMap> ShellSearchAdaptor::GetResultMetas(const QStringList& identifiers)
{
    QList<QVariantMap> metas;
    if (identifiers.size() > kMaxTerms * kMaxTerms) {
        m_service->touch();
        return metas;
    }
    for (const QString& id : identifiers) {
        const std::optional<Answer> answer = m_service->answerFor(id);
        if (!answer) continue;
        metas << QVariantMap{{QStringLiteral("id"), id},
                             {QStringLiteral("name"), text(answer->name)},
                             {QStringLiteral("description"), text(answer->description)},
                             {QStringLiteral("gicon"), kIcon}};
    }
    return metas;
}

void ShellSearchAdaptor::ActivateResult(const QString& identifier, const QStringList& /*terms*/,
                                        uint /*timestamp*/)
{
    m_service->open(identifier);
}

void ShellSearchAdaptor::LaunchSearch(const QStringList& terms, uint /*timestamp*/)
{
    m_service->find(query(terms));
}

RunnerAdaptor::RunnerAdaptor(SearchService* service)
    : QDBusAbstractAdaptor(service), m_service(service)
{}

// No action of its own: copying the number would need the desktop's
// clipboard, which a service without a window does not hold.
QList<RemoteAction> RunnerAdaptor::Actions()
{
    m_service->touch();
    return {};
}

QList<RemoteMatch> RunnerAdaptor::Match(const QString& query)
{
    const std::vector<Answer> answers = m_service->answers(query);
    QList<RemoteMatch> matches;
    const int type = answers.size() == 1 ? kExactMatch : kHelperMatch;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        // Relevance falls with the order, so KRunner keeps it.
        const double relevance = 1.0 - double(i) / double(answers.size() + 1);
        matches << RemoteMatch{text(answers[i].id),
                               text(answers[i].name),
                               kIcon,
                               type,
                               relevance,
                               {{QStringLiteral("subtext"), text(answers[i].description)}}};
    }
    return matches;
}

void RunnerAdaptor::Run(const QString& matchId, const QString& /*actionId*/)
{
    m_service->open(matchId);
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match)
{
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match)
{
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >>
        match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action)
{
    argument.beginStructure();
    argument << action.id << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action)
{
    argument.beginStructure();
    argument >> action.id >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

void registerDBusTypes()
{
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<QList<RemoteAction>>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

}  // namespace search
