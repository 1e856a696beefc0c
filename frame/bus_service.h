#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>

#include "frame/start_request.h"

namespace frame {

// The running program's name on the session bus, its object and interface.
inline constexpr char kBusName[] = "org.tabrix.Tabrix";
inline constexpr char kBusPath[] = "/org/tabrix/Tabrix";

// What a second start hands to the frame that already runs, over the
// session bus: interface org.tabrix.Tabrix at /org/tabrix/Tabrix, with
//   Open(s category, s unit, s value, s target)  as --open/--unit/--value/--to
//                                                 ("" for a part not given)
//   Find(s query)                                 as --find
// A name the frame does not know is answered with the error
// org.tabrix.Tabrix.Error.BadName and the message --open would give.
class BusService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.tabrix.Tabrix")
public:
    using QObject::QObject;

    // Listens under kBusName, unless another process has the name already
    // (it is never queued for) or there is no session bus; true when this
    // process now answers to it.
    bool claimName();

public slots:
    Q_SCRIPTABLE void Open(const QString& category, const QString& unit, const QString& value,
                           const QString& target);
    Q_SCRIPTABLE void Find(const QString& query);

signals:
    void requested(const frame::StartRequest& request);
};

// Gives the request to the process that answers to kBusName; true when that
// frame took it. False without a session bus, with no such process, or when
// it did not answer in time: the caller then starts a frame of its own.
bool handOff(const StartRequest& request);

}  // namespace frame
