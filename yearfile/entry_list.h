#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "yearfile/book.h"
#include "yearfile/entry.h"

namespace tallyrix {

// The entry lines of all books of the open year, in date order. Each line's book
// and counterpart book get a small number, so the balance loops compare integers.
class EntryList {
public:
    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // Raise ListIndexError for an index outside the list.
    const Entry& at(int index) const;
    QString line(int index) const { return at(index).text(); }
    QStringList lines() const;

    // Raise ConversionError for a line whose date or amounts cannot be read, and
    // ListIndexError for a bad index; the list is then unchanged.
    void append(const QString& line);
    void insert(int index, const QString& line);
    void replace(int index, const QString& line);
    void setField(int index, int field, const QString& value);
    void remove(int index);
    // Removes every line for which `drop` answers true; the rest keep their order.
    void removeIf(const std::function<bool(const Entry&)>& drop);
    // Takes the line at `from` out and puts it at `to`; the lines between shift by one.
    void move(int from, int to);
    void clear();

    // The number of a book, or -1 when no line has ever named it.
    int bookId(const BookRef& book) const;
    // The running balance of a line, written into its balance field.
    void setBalance(int index, Amount balance) {
        m_entries[static_cast<size_t>(index)].setBalance(balance);
    }

    auto begin() const { return m_entries.cbegin(); }
    auto end() const { return m_entries.cend(); }

private:
    Entry make(const QString& line);
    int intern(QStringView kind, QStringView name);
    void checkIndex(int index) const;

    std::vector<Entry> m_entries;
    // A year has few books: a short list searched without copying any text.
    std::vector<BookRef> m_books;
};

}  // namespace tallyrix
