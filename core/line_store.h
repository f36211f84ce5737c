#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tallyrix {

// The program's own light list of text lines. Every text file passes through it,
// the open year is held in three of them, and its comma-text rule splits every
// line of a year file into fields. The comma-text rules are part of the file
// formats and must not be "improved".
class LineStore {
public:
    static constexpr int kMaxCount = 134217727;
    using Compare = std::function<int(const QString&, const QString&)>;

    LineStore() = default;

    int add(const QString& item);
    void insert(int index, const QString& item);
    void remove(int index);
    void exchange(int index1, int index2);
    QString at(int index) const;
    void replace(int index, const QString& item);
    void clear();

    int count() const { return static_cast<int>(m_items.size()); }
    int capacity() const { return m_capacity; }
    void setCapacity(int newCapacity);
    void setCount(int newCount);

    // Reads code page 932 text; LF and CR LF end a line, a lone CR is dropped.
    void loadFromFile(const QString& fileName);
    // Writes code page 932 with CR LF after every line, replacing the file as a
    // whole so that a failed write never leaves a half-written file behind.
    void saveToFile(const QString& fileName) const;

    QString text() const;
    void setText(const QString& text);
    QString commaText() const;
    void setCommaText(const QString& text);

    int indexOf(const QString& item) const;
    // Case-insensitive substring search from line `line`, column `column` (1-based).
    bool find(const QString& findText, int& line, int& column) const;
    void sort(const Compare& compare);

    void assign(const QStringList& source);
    void addStrings(const QStringList& source);
    void copyTo(QStringList& dest) const;
    QStringList toStringList() const;

    // Unchecked read access for loops that already know the index is valid.
    const QString& operator[](int index) const { return m_items[static_cast<size_t>(index)]; }
    auto begin() const { return m_items.cbegin(); }
    auto end() const { return m_items.cend(); }

private:
    [[noreturn]] static void raiseIndexError();
    void checkIndex(int index) const;
    void grow();
    void quickSort(int low, int high, const Compare& compare);

    std::vector<QString> m_items;
    int m_capacity = 0;
};

}  // namespace tallyrix
