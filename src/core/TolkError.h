#pragma once

#include <stdexcept>
#include <string>

namespace tolk {

/// A failure the user sees: the exception carries the text that the error report shows.
class TolkError : public std::runtime_error {
public:
    explicit TolkError(const std::string& message) : std::runtime_error(message) {}
};

/// The library's text for an input/output error code ("File not found", "I/O error 42", ...).
std::string IoErrorText(int code);

/// An input/output failure: carries its code and takes its text from the error-code table.
class IoError : public TolkError {
public:
    explicit IoError(int code) : TolkError(IoErrorText(code)), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

} // namespace tolk
