// The frame hears a child window's requests and evaluation reports through
// signals it finds by signature, whichever way the window spells their types.

#include <QTest>
#include <QWidget>

#include <optional>

#include "engine/status.h"
#include "frame/window_signals.h"
#include "windows/window_id.h"

class QualifiedWindow : public QWidget {
    Q_OBJECT
signals:
    void openRequested(windows::WindowId id);
    void evaluationFailed(engine::EvalStatus status);
    void evaluationSucceeded();
};

namespace windows {
using engine::EvalStatus;

// Declared inside the type's own namespace, so moc records "WindowId".
class UnqualifiedWindow : public QWidget {
    Q_OBJECT
signals:
    void openRequested(WindowId id);
    void evaluationFailed(EvalStatus status);
};
}  // namespace windows

class MistypedWindow : public QWidget {
    Q_OBJECT
signals:
    void openRequested(int form);
};

class TestWindowSignals : public QObject {
    Q_OBJECT

private:
    struct Heard {
        std::optional<windows::WindowId> opened;
        std::optional<engine::EvalStatus> failed;
        int succeeded = 0;
    };

    static frame::WindowSignalHandlers handlersFor(Heard& heard)
    {
        frame::WindowSignalHandlers handlers;
        handlers.openRequested = [&heard](windows::WindowId id) { heard.opened = id; };
        handlers.evaluationFailed = [&heard](engine::EvalStatus status) { heard.failed = status; };
        handlers.evaluationSucceeded = [&heard] { ++heard.succeeded; };
        return handlers;
    }

private slots:
    void connectsEverySignalAWindowDeclares()
    {
        Heard heard;
        QualifiedWindow window;
        QCOMPARE(frame::connectWindowSignals(&window, handlersFor(heard)), 3);

        emit window.openRequested(windows::WindowId::AreaMetric);
        emit window.evaluationFailed(engine::EvalStatus::DivideByZero);
        emit window.evaluationSucceeded();

        QCOMPARE(heard.opened, windows::WindowId::AreaMetric);
        QCOMPARE(heard.failed, engine::EvalStatus::DivideByZero);
        QCOMPARE(heard.succeeded, 1);
    }

    void acceptsTypesSpelledInTheirOwnNamespace()
    {
        Heard heard;
        windows::UnqualifiedWindow window;
        QCOMPARE(frame::connectWindowSignals(&window, handlersFor(heard)), 2);

        emit window.openRequested(windows::WindowId::Area);
        emit window.evaluationFailed(engine::EvalStatus::Overflow);

        QCOMPARE(heard.opened, windows::WindowId::Area);
        QCOMPARE(heard.failed, engine::EvalStatus::Overflow);
    }

    void windowWithoutSignalsIsLeftAlone()
    {
        Heard heard;
        QWidget window;
        QCOMPARE(frame::connectWindowSignals(&window, handlersFor(heard)), 0);
        QVERIFY(window.children().isEmpty());
    }

    void signalOfTheRightNameButOtherTypesIsReported()
    {
        Heard heard;
        MistypedWindow window;
        QTest::ignoreMessage(QtWarningMsg,
                             "MistypedWindow declares openRequested(int), which the frame cannot connect; "
                             "expected openRequested(windows::WindowId)");
        QCOMPARE(frame::connectWindowSignals(&window, handlersFor(heard)), 0);
        emit window.openRequested(3);
        QVERIFY(!heard.opened);
    }

    void connectionsEndWithTheWindow()
    {
        Heard heard;
        auto* window = new QualifiedWindow;
        QCOMPARE(frame::connectWindowSignals(window, handlersFor(heard)), 3);
        QPointer<QObject> relay = window->findChild<frame::WindowSignalRelay*>();
        QVERIFY(relay);
        delete window;
        QVERIFY(relay.isNull());
    }
};

QTEST_MAIN(TestWindowSignals)
#include "window_signals_test.moc"
