#pragma once

// Readable failure messages for Qt types in every test program.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// So that a case of a table can name itself: EXPECT_EQ(...) << c.path.
inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << text.toStdString();
}

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    }
    *os << '}';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toHex(' ').toStdString() << '"';
}
