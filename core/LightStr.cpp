#include "core/LightStr.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>

#include "core/comma_text.h"
#include "core/cp932.h"
#include "core/errors.h"

namespace tallyrix {
namespace {

constexpr int kGrowthStep = 32;
constexpr int kBytesPerReservedLine = 28;

int reserveFor(qint64 size) {
    return static_cast<int>(
        std::min<qint64>(size / kBytesPerReservedLine, TLightStrings::MaxListSize));
}

}  // namespace

void TLightStrings::Error() {
    throw ListIndexError();
}

void TLightStrings::checkIndex(int index) const {
    if (index < 0 || index >= Count()) {
        Error();
    }
}

void TLightStrings::grow() {
    if (m_capacity + kGrowthStep > MaxListSize) {
        Error();
    }
    m_capacity += kGrowthStep;
}

int TLightStrings::Add(const QString& item) {
    const int index = Count();
    Insert(index, item);
    return index;
}

void TLightStrings::Insert(int index, const QString& item) {
    if (index < 0 || index > Count()) {
        Error();
    }
    if (Count() == m_capacity) {
        grow();
    }
    m_items.insert(m_items.begin() + index, item);
}

void TLightStrings::Delete(int index) {
    checkIndex(index);
    m_items.erase(m_items.begin() + index);
}

void TLightStrings::Exchange(int index1, int index2) {
    checkIndex(index1);
    checkIndex(index2);
    if (index1 != index2) {
        std::swap(m_items[static_cast<size_t>(index1)], m_items[static_cast<size_t>(index2)]);
    }
}

QString TLightStrings::Get(int index) const {
    checkIndex(index);
    return m_items[static_cast<size_t>(index)];
}

void TLightStrings::Put(int index, const QString& item) {
    checkIndex(index);
    m_items[static_cast<size_t>(index)] = item;
}

void TLightStrings::Clear() {
    std::vector<QString>().swap(m_items);
    m_capacity = 0;
}

void TLightStrings::SetCapacity(int newCapacity) {
    if (newCapacity < Count() || newCapacity > MaxListSize) {
        Error();
    }
    m_capacity = newCapacity;
}

void TLightStrings::SetCount(int newCount) {
    if (newCount < 0 || newCount > MaxListSize) {
        Error();
    }
    if (newCount > m_capacity) {
        m_capacity = newCount;
    }
    m_items.resize(static_cast<size_t>(newCount));
}

void TLightStrings::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(
            QStringLiteral("ファイル %1 を開けません。\r\n%2").arg(fileName, file.errorString()));
    }
    const qint64 size = file.size();
    QByteArray buffer;
    const char* data = nullptr;
    if (size > 0) {
        data = reinterpret_cast<const char*>(file.map(0, size));
    }
    if (data == nullptr) {
        buffer = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            throw FileError(QStringLiteral("ファイル %1 を読み込めません。\r\n%2")
                                .arg(fileName, file.errorString()));
        }
        data = buffer.constData();
    }
    const qsizetype length = buffer.isNull() ? size : buffer.size();

    Clear();
    m_capacity = reserveFor(length);
    m_items.reserve(static_cast<size_t>(m_capacity));
    // A line ends at LF (a CR before it is part of the break); any other CR is
    // dropped. LF and CR never occur inside a double-byte character.
    const char* start = data;
    const char* const end = data + length;
    while (start < end) {
        const auto* lf =
            static_cast<const char*>(std::memchr(start, '\n', static_cast<size_t>(end - start)));
        const char* stop = lf ? lf : end;
        QString line = decodeCp932(start, stop - start, true);
        // The last line without a line break counts unless it was only CRs.
        if (lf || !line.isEmpty()) {
            Add(line);
        }
        start = stop + 1;
    }
    m_capacity = Count();
}

void TLightStrings::SaveToFile(const QString& fileName) const {
    // Unbuffered, so a short write (a full disk) is seen before the old file is replaced.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw FileError(QStringLiteral("ファイル %1 を作成できません。\r\n%2")
                            .arg(fileName, file.errorString()));
    }
    const QByteArray bytes = encodeCp932(Text());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.error() == QFileDevice::NoError
                                   ? QStringLiteral("ディスクの空き容量が足りません。")
                                   : file.errorString();
        file.cancelWriting();
        throw FileError(
            QStringLiteral("ファイル %1 に書き込めません。\r\n%2").arg(fileName, reason));
    }
    if (!file.commit()) {
        throw FileError(QStringLiteral("ファイル %1 に書き込めません。\r\n%2")
                            .arg(fileName, file.errorString()));
    }
}

QString TLightStrings::Text() const {
    qsizetype size = 0;
    for (const QString& item : m_items) {
        size += item.size() + 2;
    }
    QString text;
    text.reserve(size);
    for (const QString& item : m_items) {
        text += item;
        text += QLatin1String("\r\n");
    }
    return text;
}

void TLightStrings::SetText(const QString& text) {
    Clear();
    m_capacity = reserveFor(text.size());
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    const qsizetype end = nul < 0 ? text.size() : nul;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            Add(text.mid(start, i - start));
            i += (c == u'\r' && i + 1 < end && text[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < end) {
        Add(text.mid(start, end - start));
    }
    m_capacity = Count();
}

void TLightStrings::SetCommaText(const QString& text) {
    Clear();
    std::vector<FieldSpan> spans;
    splitCommaText(text, spans);
    for (const FieldSpan& span : spans) {
        Add(text.mid(span.start, span.length));
    }
}

QString TLightStrings::CommaText() const {
    QString text;
    bool first = true;
    for (const QString& item : m_items) {
        if (!first) {
            text += u',';
        }
        first = false;
        if (item.contains(u' ') || item.contains(u',')) {
            text += u'"';
            text += item;
            text += u'"';
        } else {
            text += item;
        }
    }
    return text;
}

int TLightStrings::IndexOf(const QString& item) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_items[static_cast<size_t>(i)] == item) {
            return i;
        }
    }
    return -1;
}

bool TLightStrings::Find(const QString& findText, int& line, int& column) const {
    if (findText.isEmpty()) {
        line = Count();
        return false;
    }
    const QChar lower = findText[0].toLower();
    const QChar upper = findText[0].toUpper();
    const qsizetype length = findText.size();
    if (line < 0) {
        line = 0;
    }
    for (; line < Count(); ++line, column = 1) {
        const QString& text = m_items[static_cast<size_t>(line)];
        for (qsizetype col = std::max(column, 1); col <= text.size() - length + 1; ++col) {
            const QChar c = text[col - 1];
            if ((c == lower || c == upper) &&
                QStringView(text).mid(col - 1, length).compare(findText, Qt::CaseInsensitive) ==
                    0) {
                column = static_cast<int>(col);
                return true;
            }
        }
    }
    return false;
}

void TLightStrings::Sort(const Compare& compare) {
    if (Count() > 1) {
        quickSort(0, Count() - 1, compare);
    }
}

// Classic in-place quicksort: middle pivot, left part recursive, right part iterative.
void TLightStrings::quickSort(int low, int high, const Compare& compare) {
    int i = low;
    do {
        i = low;
        int j = high;
        int pivot = (low + high) >> 1;
        do {
            while (compare(m_items[static_cast<size_t>(i)], m_items[static_cast<size_t>(pivot)]) <
                   0) {
                ++i;
            }
            while (compare(m_items[static_cast<size_t>(j)], m_items[static_cast<size_t>(pivot)]) >
                   0) {
                --j;
            }
            if (i <= j) {
                if (i != j) {
                    Exchange(i, j);
                }
                if (pivot == i) {
                    pivot = j;
                } else if (pivot == j) {
                    pivot = i;
                }
                ++i;
                --j;
            }
        } while (i <= j);
        if (low < j) {
            quickSort(low, j, compare);
        }
        low = i;
    } while (i < high);
}

void TLightStrings::Assign(const QStringList& source) {
    Clear();
    AddStrings(source);
}

void TLightStrings::AddStrings(const QStringList& source) {
    const qsizetype wanted = Count() + source.size();
    if (wanted > MaxListSize) {
        Error();
    }
    if (wanted > m_capacity) {
        m_capacity = static_cast<int>(wanted);
    }
    m_items.reserve(static_cast<size_t>(wanted));
    for (const QString& item : source) {
        Add(item);
    }
}

void TLightStrings::CopyTo(QStringList& dest) const {
    dest = toStringList();
}

QStringList TLightStrings::toStringList() const {
    QStringList list;
    list.reserve(Count());
    for (const QString& item : m_items) {
        list.append(item);
    }
    return list;
}

}  // namespace tallyrix
