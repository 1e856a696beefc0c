#pragma once

#include <functional>

#include <QString>
#include <QWidget>

namespace windows {

// Tells a screen reader a sentence without moving the focus: a widget of no
// size, presented to assistive technology as a notification, that appears
// with each new sentence. Readers speak a notification as it appears, so the
// user hears it whatever control has the focus.
//
// A sentence is told once: the same sentence again is told only after
// kQuietMs without a request for it, so a fault that every keystroke repeats
// is not spoken at every keystroke.
class Announcer : public QWidget {
    Q_OBJECT
public:
    static constexpr qint64 kQuietMs = 600;

    // `clock` gives milliseconds from any fixed start; tests pass their own.
    explicit Announcer(QWidget* parent, std::function<qint64()> clock = {});

    // Returns whether `sentence` was told; an empty sentence never is.
    bool announce(const QString& sentence);

    // The sentence told last, which is what a reader reads as its name.
    QString sentence() const { return m_sentence; }

private:
    std::function<qint64()> m_clock;
    QString m_sentence;
    qint64 m_lastRequest = 0;
};

}  // namespace windows
