#include "core/line_store.h"

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
    return static_cast<int>(std::min<qint64>(size / kBytesPerReservedLine, LineStore::kMaxCount));
}

}  // namespace

void LineStore::raiseIndexError() {
    throw ListIndexError();
}

void LineStore::checkIndex(int index) const {
    if (index < 0 || index >= count()) {
        raiseIndexError();
    }
}

void LineStore::grow() {
    if (m_capacity + kGrowthStep > kMaxCount) {
        raiseIndexError();
    }
    m_capacity += kGrowthStep;
}

int LineStore::add(const QString& item) {
    const int index = count();
    insert(index, item);
    return index;
}

void LineStore::insert(int index, const QString& item) {
    if (index < 0 || index > count()) {
        raiseIndexError();
    }
    if (count() == m_capacity) {
        grow();
    }
    m_items.insert(m_items.begin() + index, item);
}

void LineStore::remove(int index) {
    checkIndex(index);
    m_items.erase(m_items.begin() + index);
}

void LineStore::exchange(int index1, int index2) {
    checkIndex(index1);
    checkIndex(index2);
    if (index1 != index2) {
        std::swap(m_items[static_cast<size_t>(index1)], m_items[static_cast<size_t>(index2)]);
    }
}

QString LineStore::at(int index) const {
    checkIndex(index);
    return m_items[static_cast<size_t>(index)];
}

void LineStore::replace(int index, const QString& item) {
    checkIndex(index);
    m_items[static_cast<size_t>(index)] = item;
}

void LineStore::clear() {
    std::vector<QString>().swap(m_items);
    m_capacity = 0;
}

void LineStore::setCapacity(int newCapacity) {
    if (newCapacity < count() || newCapacity > kMaxCount) {
        raiseIndexError();
    }
    m_capacity = newCapacity;
}

void LineStore::setCount(int newCount) {
    if (newCount < 0 || newCount > kMaxCount) {
        raiseIndexError();
    }
    if (newCount > m_capacity) {
        m_capacity = newCount;
    }
    m_items.resize(static_cast<size_t>(newCount));
}

void LineStore::loadFromFile(const QString& fileName) {
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

    clear();
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
            add(line);
        }
        start = stop + 1;
    }
    m_capacity = count();
}

void LineStore::saveToFile(const QString& fileName) const {
    // Unbuffered, so a short write (a full disk) is seen before the old file is replaced.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw FileError(QStringLiteral("ファイル %1 を作成できません。\r\n%2")
                            .arg(fileName, file.errorString()));
    }
    const QByteArray bytes = encodeCp932(text());
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

QString LineStore::text() const {
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

void LineStore::setText(const QString& text) {
    clear();
    m_capacity = reserveFor(text.size());
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    const qsizetype end = nul < 0 ? text.size() : nul;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            add(text.mid(start, i - start));
            i += (c == u'\r' && i + 1 < end && text[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < end) {
        add(text.mid(start, end - start));
    }
    m_capacity = count();
}

void LineStore::setCommaText(const QString& text) {
    clear();
    std::vector<FieldSpan> spans;
    splitCommaText(text, spans);
    for (const FieldSpan& span : spans) {
        add(text.mid(span.start, span.length));
    }
}

QString LineStore::commaText() const {
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

int LineStore::indexOf(const QString& item) const {
    for (int i = 0; i < count(); ++i) {
        if (m_items[static_cast<size_t>(i)] == item) {
            return i;
        }
    }
    return -1;
}

bool LineStore::find(const QString& findText, int& line, int& column) const {
    if (findText.isEmpty()) {
        line = count();
        return false;
    }
    const QChar lower = findText[0].toLower();
    const QChar upper = findText[0].toUpper();
    const qsizetype length = findText.size();
    if (line < 0) {
        line = 0;
    }
    for (; line < count(); ++line, column = 1) {
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

void LineStore::sort(const Compare& compare) {
    if (count() > 1) {
        quickSort(0, count() - 1, compare);
    }
}

// Classic in-place quicksort: middle pivot, left part recursive, right part iterative.
void LineStore::quickSort(int low, int high, const Compare& compare) {
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
                    exchange(i, j);
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

void LineStore::assign(const QStringList& source) {
    clear();
    addStrings(source);
}

void LineStore::addStrings(const QStringList& source) {
    const qsizetype wanted = count() + source.size();
    if (wanted > kMaxCount) {
        raiseIndexError();
    }
    if (wanted > m_capacity) {
        m_capacity = static_cast<int>(wanted);
    }
    m_items.reserve(static_cast<size_t>(wanted));
    for (const QString& item : source) {
        add(item);
    }
}

void LineStore::copyTo(QStringList& dest) const {
    dest = toStringList();
}

QStringList LineStore::toStringList() const {
    QStringList list;
    list.reserve(count());
    for (const QString& item : m_items) {
        list.append(item);
    }
    return list;
}

}  // namespace tallyrix
