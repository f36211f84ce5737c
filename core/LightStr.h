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
class TLightStrings {
public:
    static constexpr int MaxListSize = 134217727;
    using Compare = std::function<int(const QString&, const QString&)>;

    TLightStrings() = default;

    int Add(const QString& item);
    void Insert(int index, const QString& item);
    void Delete(int index);
    void Exchange(int index1, int index2);
    QString Get(int index) const;
    void Put(int index, const QString& item);
    void Clear();

    int Count() const { return static_cast<int>(m_items.size()); }
    int Capacity() const { return m_capacity; }
    void SetCapacity(int newCapacity);
    void SetCount(int newCount);

    // Reads code page 932 text; LF and CR LF end a line, a lone CR is dropped.
    void LoadFromFile(const QString& fileName);
    // Writes code page 932 with CR LF after every line, replacing the file as a
    // whole so that a failed write never leaves a half-written file behind.
    void SaveToFile(const QString& fileName) const;

    QString Text() const;
    void SetText(const QString& text);
    QString CommaText() const;
    void SetCommaText(const QString& text);

    int IndexOf(const QString& item) const;
    // Case-insensitive substring search from line `line`, column `column` (1-based).
    bool Find(const QString& findText, int& line, int& column) const;
    void Sort(const Compare& compare);

    void Assign(const QStringList& source);
    void AddStrings(const QStringList& source);
    void CopyTo(QStringList& dest) const;
    QStringList toStringList() const;

    // Unchecked read access for loops that already know the index is valid.
    const QString& operator[](int index) const { return m_items[static_cast<size_t>(index)]; }
    auto begin() const { return m_items.cbegin(); }
    auto end() const { return m_items.cend(); }

private:
    [[noreturn]] static void Error();
    void checkIndex(int index) const;
    void grow();
    void quickSort(int low, int high, const Compare& compare);

    std::vector<QString> m_items;
    int m_capacity = 0;
};

}  // namespace tallyrix
