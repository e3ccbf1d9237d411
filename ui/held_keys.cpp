// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "held_keys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

namespace ordanex {

HeldKeys::HeldKeys(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void HeldKeys::letRepeat(const QAbstractButton* button)
{
    repeating_.append(button);
}

bool HeldKeys::once(const QKeyEvent& event) const
{
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return true;
    // An access key is Alt with a key that types.
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!(modifiers & Qt::AltModifier) || (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) ||
        key >= Qt::Key_Escape)
        return false;
    const QKeySequence access(QKeyCombination(modifiers, Qt::Key(key)));
    return std::ranges::none_of(repeating_, [&access](const QAbstractButton* button) {
        return button && button->isActiveWindow() && button->shortcut() == access;
    });
}

HeldKeys::Press HeldKeys::judge(const QKeyEvent& event) const
{
    const auto key = keys_.constFind(event.key());
    if (key == keys_.cend())
        return {event.isAutoRepeat(), once(event)};
    const bool repeat = event.isAutoRepeat() || key->down ||
                        (event.timestamp() != 0 && event.timestamp() == key->releasedAt);
    // A repeat does what the press it repeats did.
    return {repeat, repeat ? key->once : once(event)};
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowActivate || type == QEvent::ApplicationDeactivate) {
        // While the focus moves, a release may reach no window of this
        // program. A key still held goes on repeating as it did.
        for (Key& key : keys_)
            key.down = false;
        return false;
    }
    if (type == QEvent::Shortcut && offered_) {
        // An access key took the press that was offered.
        const auto [key, press] = *std::exchange(offered_, std::nullopt);
        keys_[key] = {true, press.once, 0};
        last_.reset(); // the press has ended here
        // A button clicks a moment after its access key, and a repeat
        // before that moment would put the click off: a button held to
        // repeat clicks at once.
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (press.repeat && button && repeating_.contains(button)) {
            button->click();
            return true;
        }
        return false;
    }
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const Seen seen{type, key.key(), key.modifiers().toInt(), key.timestamp(), key.isAutoRepeat()};
    if (last_ != seen) {
        last_ = seen;
        lastSwallowed_ = false;
        if (type == QEvent::KeyRelease) {
            if (!key.isAutoRepeat()) {
                Key& released = keys_[key.key()];
                released.down = false;
                released.releasedAt = key.timestamp();
            }
        } else {
            const Press press = judge(key);
            lastSwallowed_ = press.repeat && press.once;
            offered_.reset();
            if (type == QEvent::ShortcutOverride)
                offered_ = {key.key(), press};
            else
                keys_[key.key()] = {true, press.once, 0};
        }
    }
    // A repeat that no access key may take reaches no control either.
    if (lastSwallowed_ && type == QEvent::ShortcutOverride)
        event->accept();
    return lastSwallowed_;
}

} // namespace ordanex
