#include "yearfile/entry_list.h"

#include <algorithm>

#include "core/errors.h"

namespace tallyrix {

void EntryList::checkIndex(int index) const {
    if (index < 0 || index >= count()) {
        throw ListIndexError();
    }
}

const Entry& EntryList::at(int index) const {
    checkIndex(index);
    return m_entries[static_cast<size_t>(index)];
}

QStringList EntryList::lines() const {
    QStringList result;
    result.reserve(count());
    for (const Entry& entry : m_entries) {
        result.append(entry.text());
    }
    return result;
}

int EntryList::intern(QStringView kind, QStringView name) {
    for (size_t id = m_books.size(); id-- > 0;) {
        if (m_books[id].name == name && m_books[id].kind == kind) {
            return static_cast<int>(id);
        }
    }
    m_books.push_back({kind.toString(), name.toString()});
    return static_cast<int>(m_books.size() - 1);
}

Entry EntryList::make(const QString& line) {
    Entry entry(line);
    entry.m_ownBook = intern(entry.storedField(KindField), entry.storedField(NameField));
    entry.m_counterBook =
        intern(entry.storedField(CounterKindField), entry.storedField(CounterNameField));
    return entry;
}

int EntryList::bookId(const BookRef& book) const {
    const auto it = std::find(m_books.begin(), m_books.end(), book);
    return it == m_books.end() ? -1 : static_cast<int>(it - m_books.begin());
}

void EntryList::append(const QString& line) {
    m_entries.push_back(make(line));
}

void EntryList::insert(int index, const QString& line) {
    if (index < 0 || index > count()) {
        throw ListIndexError();
    }
    m_entries.insert(m_entries.begin() + index, make(line));
}

void EntryList::replace(int index, const QString& line) {
    checkIndex(index);
    m_entries[static_cast<size_t>(index)] = make(line);
}

void EntryList::setField(int index, int field, const QString& value) {
    checkIndex(index);
    QStringList fields = at(index).fields();
    while (fields.size() <= field) {
        fields.append(QString());
    }
    fields[field] = value;
    replace(index, joinEntryFields(fields));
}

void EntryList::remove(int index) {
    checkIndex(index);
    m_entries.erase(m_entries.begin() + index);
}

void EntryList::removeIf(const std::function<bool(const Entry&)>& drop) {
    std::erase_if(m_entries, drop);
}

void EntryList::move(int from, int to) {
    checkIndex(from);
    checkIndex(to);
    if (from > to) {
        std::rotate(m_entries.begin() + to, m_entries.begin() + from, m_entries.begin() + from + 1);
    } else if (from < to) {
        std::rotate(m_entries.begin() + from, m_entries.begin() + from + 1,
                    m_entries.begin() + to + 1);
    }
}

void EntryList::clear() {
    m_entries.clear();
    m_books.clear();
}

}  // namespace tallyrix
