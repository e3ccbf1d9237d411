// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ordanex {

// The ordered input paths and the one selected entry.
//
// The rules (bounds, the entry limit, reselection after a removal, moves by
// exchanging texts) live here; where the entries are stored is left to a
// subclass. That lets the window's list control itself be the storage, so the
// entries and the selection exist exactly once while they are shown.
//
// Indices follow 16-bit list semantics: at most kMaxEntries entries, -1 for
// "no selection", and reading at or past the count yields empty text.
class EntryList {
public:
    static constexpr int kMaxEntries = 32767;
    static constexpr int kNoSelection = -1;

    virtual ~EntryList() = default;

    int count() const { return storedCount(); }
    std::string text(int index) const;
    int selection() const { return storedSelection(); }
    // Selects one entry, or none with -1; any other index is ignored.
    void select(int index);
    // Returns false, changing nothing, once the list is full.
    bool add(std::string_view text);
    // Appends as many of `texts` as fit, in order, as one batch; returns how
    // many were added. The selection is not changed.
    std::size_t addAll(std::span<const std::string> texts);
    void removeAt(int index);

    void moveUp();
    void moveDown();
    void removeSelected();

    // The entries in list order.
    std::vector<std::string> entries() const;

protected:
    // Storage primitives. The public operations call them only with valid
    // arguments: indices in range, a selection in range or -1, and never
    // more entries than kMaxEntries in all.
    virtual int storedCount() const = 0;
    virtual std::string storedText(int index) const = 0;
    virtual void storeText(int index, std::string_view text) = 0;
    virtual int storedSelection() const = 0;
    virtual void storeSelection(int index) = 0;
    virtual void storeAppend(std::span<const std::string> texts) = 0;
    // Removes the entry; the caller sets the selection right afterwards.
    virtual void storeRemove(int index) = 0;

private:
    bool inRange(int index) const { return index >= 0 && index < count(); }
    void exchange(int from, int to);
};

// An EntryList held in memory.
class MemoryEntryList final : public EntryList {
protected:
    int storedCount() const override { return static_cast<int>(texts_.size()); }
    std::string storedText(int index) const override
    {
        return texts_[static_cast<std::size_t>(index)];
    }
    void storeText(int index, std::string_view text) override;
    int storedSelection() const override { return selection_; }
    void storeSelection(int index) override { selection_ = index; }
    void storeAppend(std::span<const std::string> texts) override;
    void storeRemove(int index) override;

private:
    std::vector<std::string> texts_;
    int selection_ = kNoSelection;
};

} // namespace ordanex
