#include "convert/ReferenceLineParser.h"

#include <utility>

namespace tolk {
namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char EndOfFile = 26;

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

} // namespace

ReferenceLineParser::ReferenceLineParser(ReferenceFormat format, NameSink onName)
    : m_format(format), m_onName(std::move(onName)) {}

bool ReferenceLineParser::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (m_ended) {
            break;
        }
        Take(c);
    }
    return !m_ended;
}

void ReferenceLineParser::Finish() {
    if (!m_ended) {
        EndLine();
        m_ended = true;
    }
}

void ReferenceLineParser::Take(char c) {
    if (c == EndOfFile) {
        Finish();
        return;
    }
    if (std::exchange(m_afterCarriageReturn, false) && c == LineFeed) {
        return;
    }
    if (c == CarriageReturn) {
        EndLine();
        m_afterCarriageReturn = true;
        return;
    }
    ++m_position;
    if (m_position == 1) {
        m_markedLine = c == m_format.marker;
    } else if (m_markedLine && m_position >= m_format.first && m_position <= m_format.last) {
        m_name.push_back(c);
    }
}

void ReferenceLineParser::EndLine() {
    if (m_markedLine) {
        m_onName(Trimmed(m_name));
    }
    m_position = 0;
    m_markedLine = false;
    m_name.clear();
}

} // namespace tolk
