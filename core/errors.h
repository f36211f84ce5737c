#pragma once

#include <QString>
#include <exception>

namespace tallyrix {

// Base of the program's own errors. The message is the text shown to the user
// by the default error handler.
class TallyError : public std::exception {
public:
    explicit TallyError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// An index outside a line store; the store is left as it was.
class ListIndexError : public TallyError {
public:
    ListIndexError() : TallyError(QStringLiteral("インデックスがリストの範囲を超えています")) {}
};

// Text that should hold a number or a date but does not.
class ConversionError : public TallyError {
public:
    using TallyError::TallyError;
};

// A file that could not be read or written; the message carries the system's reason.
class FileError : public TallyError {
public:
    using TallyError::TallyError;
};

}  // namespace tallyrix
