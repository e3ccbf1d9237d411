// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class QAbstractButton;
class QKeyEvent;

namespace ordanex {

// A held key acts once where acting again would be a surprise: Enter and
// the access keys, in every window of the program, boxes included, so that
// a box that opens while such a key is held stays open until a fresh press.
// Other keys, and the access keys of the buttons given to `letRepeat`,
// repeat as usual: holding them is how an entry moves far.
//
// Qt's repeat flag alone misses repeats: an X server sends a held key as a
// release and a press at the same time, which Qt takes for a new press
// where the press is not yet queued. So a press is a repeat also where it
// comes at the time of the key's last release, or where the key has not
// been released since its last press.
class HeldKeys final : public QObject {
public:
    // Watches every window of the application.
    explicit HeldKeys(QObject* parent);

    void letRepeat(const QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Press {
        bool repeat; // of a press already counted
        bool once;   // so not passed on, where a repeat
    };
    struct Key {
        bool down = false;
        bool once = false;
        quint64 releasedAt = 0;
    };
    // One key event, which Qt hands to the window, its focused control and
    // that control's parents in turn.
    struct Seen {
        QEvent::Type type;
        int key;
        unsigned modifiers;
        quint64 time;
        bool autoRepeat;
        bool operator==(const Seen&) const = default;
    };

    bool once(const QKeyEvent& event) const;
    Press judge(const QKeyEvent& event) const;
    bool pressed(const QKeyEvent& event);

    QHash<int, Key> keys_;
    std::optional<Seen> last_;
    bool lastSwallowed_ = false;
    // A press offered to the access keys, which may take it before any
    // control gets it.
    std::optional<std::pair<int, Press>> offered_;
    QList<QPointer<const QAbstractButton>> repeating_;
};

} // namespace ordanex
