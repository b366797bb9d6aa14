#pragma once

#include "card/CollectionError.h"

#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

// An ordered collection of shared items, counted from 1, each optionally findable by a key
// (keys compare without regard to case). Keys are unique; a failed change leaves the collection
// as it was.
template <typename T> class KeyedCollection {
    struct Entry {
        QString key;
        std::shared_ptr<T> item;
    };
    using Entries = std::vector<Entry>;

public:
    using Pointer = std::shared_ptr<T>;

    int Count() const { return static_cast<int>(entries.size()); }

    Pointer Item(int position) const { return entries[checkedPosition(position)].item; }
    Pointer Item(const QString& key) const { return entries[checkedKey(key)].item; }

    // Appends at the end; an empty key leaves the item findable by position only.
    void Append(Pointer item, const QString& key) {
        if (!key.isEmpty() && find(key) >= 0) {
            throw CollectionError(CollectionError::DuplicateKey,
                                  "This key is already associated with an element of this "
                                  "collection");
        }
        entries.push_back({key, std::move(item)});
    }

    void Remove(int position) { entries.erase(entries.begin() + checkedPosition(position)); }
    void Remove(const QString& key) { entries.erase(entries.begin() + checkedKey(key)); }

    class Iterator {
    public:
        explicit Iterator(typename Entries::const_iterator at) : at(at) {}
        const Pointer& operator*() const { return at->item; }
        Iterator& operator++() {
            ++at;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return at != other.at; }

    private:
        typename Entries::const_iterator at;
    };

    // From the first item to the last.
    Iterator begin() const { return Iterator(entries.begin()); }
    Iterator end() const { return Iterator(entries.end()); }

private:
    std::ptrdiff_t find(const QString& key) const {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].key.isEmpty() &&
                entries[i].key.compare(key, Qt::CaseInsensitive) == 0) {
                return static_cast<std::ptrdiff_t>(i);
            }
        }
        return -1;
    }

    std::ptrdiff_t checkedPosition(int position) const {
        if (position < 1 || position > Count()) {
            throw CollectionError(CollectionError::OutOfRange, "Subscript out of range");
        }
        return position - 1;
    }

    std::ptrdiff_t checkedKey(const QString& key) const {
        const std::ptrdiff_t at = key.isEmpty() ? -1 : find(key);
        if (at < 0) {
            throw CollectionError(CollectionError::InvalidKey,
                                  "Invalid procedure call or argument");
        }
        return at;
    }

    Entries entries;
};
