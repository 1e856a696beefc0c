#pragma once

#include <QDBusAbstractAdaptor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <chrono>
#include <vector>

#include "engine/value_text.h"
#include "search/answers.h"

namespace search {

// The one object on the bus; both desktop searches read through it, and every
// call they make keeps it alive for another idle period.
class SearchService : public QObject {
    Q_OBJECT
public:
    SearchService(std::chrono::milliseconds idleTime, QString program, QObject* parent = nullptr);

    std::vector<Answer> answers(const QString& query);
    // Nothing for an id the service did not give.
    std::optional<Answer> answerFor(const QString& id);
    // Open the desktop program on a conversion, or with Find Unit holding a
    // query; false (and nothing started) for an unknown id or an unfit query.
    bool open(const QString& id);
    bool find(const QString& query);
    // Any call from the bus, also one refused.
    void touch();

signals:
    void idle();

private:
    engine::NumberFormat m_format;
    QString m_program;
    QTimer m_idle;
};

// org.gnome.Shell.SearchProvider2: terms are the words the user typed.
class ShellSearchAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
public:
    explicit ShellSearchAdaptor(SearchService* service);

public slots:  // NOLINT(readability-redundant-access-specifiers): QtDBus exports slots
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    SearchService* m_service;
};

// org.kde.krunner1's a(sssida{sv}) and a(sss).
struct RemoteMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0.0;
    QVariantMap properties;
};
struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};

// org.kde.krunner1: the query is KRunner's whole line.
class RunnerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
public:
    explicit RunnerAdaptor(SearchService* service);

public slots:  // NOLINT(readability-redundant-access-specifiers): QtDBus exports slots
    QList<RemoteAction> Actions();
    QList<RemoteMatch> Match(const QString& query);
    void Run(const QString& matchId, const QString& actionId);

private:
    SearchService* m_service;
};

// The types above, known to QtDBus; before the first object is registered.
void registerDBusTypes();

}  // namespace search

Q_DECLARE_METATYPE(search::RemoteMatch)
Q_DECLARE_METATYPE(search::RemoteAction)
