// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry_list.h"

#include <algorithm>

namespace ordanex {

std::string EntryList::text(int index) const
{
    return inRange(index) ? storedText(index) : std::string();
}

void EntryList::select(int index)
{
    if (index == kNoSelection || inRange(index))
        storeSelection(index);
}

bool EntryList::add(std::string_view text)
{
    const std::string one(text);
    return addAll(std::span(&one, 1)) == 1;
}

std::size_t EntryList::addAll(std::span<const std::string> texts)
{
    const auto room = static_cast<std::size_t>(kMaxEntries - count());
    const auto taken = std::min(room, texts.size());
    if (taken > 0)
        storeAppend(texts.first(taken));
    return taken;
}

void EntryList::removeAt(int index)
{
    if (!inRange(index))
        return;
    const int selected = selection();
    storeRemove(index);
    if (selected == index)
        storeSelection(kNoSelection);
    else if (selected > index)
        storeSelection(selected - 1);
    else
        storeSelection(selected);
}

void EntryList::exchange(int from, int to)
{
    const std::string kept = storedText(to);
    storeText(to, storedText(from));
    storeText(from, kept);
    storeSelection(to);
}

void EntryList::moveUp()
{
    const int s = selection();
    if (s > 0)
        exchange(s, s - 1);
}

void EntryList::moveDown()
{
    const int s = selection();
    if (s != kNoSelection && s < count() - 1)
        exchange(s, s + 1);
}

void EntryList::removeSelected()
{
    const int s = selection();
    if (s < 0)
        return;
    // Select the neighbour first so that removeAt carries it to its new index.
    storeSelection(s == count() - 1 ? s - 1 : s + 1);
    removeAt(s);
}

std::vector<std::string> EntryList::entries() const
{
    std::vector<std::string> all;
    const int n = count();
    all.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        all.push_back(storedText(i));
    return all;
}

void MemoryEntryList::storeText(int index, std::string_view text)
{
    texts_[static_cast<std::size_t>(index)] = text;
}

void MemoryEntryList::storeAppend(std::span<const std::string> texts)
{
    texts_.insert(texts_.end(), texts.begin(), texts.end());
}

void MemoryEntryList::storeRemove(int index)
{
    texts_.erase(texts_.begin() + index);
}

} // namespace ordanex
