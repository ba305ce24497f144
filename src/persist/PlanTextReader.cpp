#include "persist/PlanTextReader.h"

#include "persist/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

PlanTextReader::PlanTextReader(std::string_view text) : m_text(text) {}

bool PlanTextReader::AtLineEnd() const {
    return m_pos < m_text.size() &&
           (m_text[m_pos] == '\n' ||
            (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n'));
}

void PlanTextReader::SkipLineEnd() {
    m_pos += m_text[m_pos] == '\r' ? 2 : 1;
    ++m_line;
}

std::size_t PlanTextReader::Consumed() const {
    if (!AtLineEnd())
        return m_pos;
    return m_pos + (m_text[m_pos] == '\r' ? 2 : 1);
}

void PlanTextReader::SkipWhiteSpace() {
    while (m_pos < m_text.size() && IsWhiteSpace(m_text[m_pos]))
        if (AtLineEnd())
            SkipLineEnd();
        else
            ++m_pos;
}

bool PlanTextReader::Fail() {
    if (!m_failed) {
        m_failed = true;
        m_failedLine = m_line;
        m_failedAt = m_pos;
    }
    return false;
}

template <typename Integer> bool PlanTextReader::ReadInteger(Integer& value) {
    if (m_failed)
        return false;
    SkipWhiteSpace();
    const std::size_t length = NumberLength(m_text.substr(m_pos), NumberForm::Integer);
    if (length == 0)
        return Fail();
    std::string_view token = m_text.substr(m_pos, length);
    if (token.front() == '+')
        token.remove_prefix(1);
    Integer parsed = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), parsed);
    if (error != std::errc{} || end != token.data() + token.size())
        return Fail();
    m_pos += length;
    value = parsed;
    return true;
}

bool PlanTextReader::ReadUnsigned(std::uint32_t& value) {
    return ReadInteger(value);
}

bool PlanTextReader::ReadInt(std::int32_t& value) {
    return ReadInteger(value);
}

bool PlanTextReader::ReadFloat(float& value) {
    if (m_failed)
        return false;
    SkipWhiteSpace();
    const std::size_t length = NumberLength(m_text.substr(m_pos), NumberForm::Decimal);
    if (length == 0)
        return Fail();
    std::string_view token = m_text.substr(m_pos, length);
    if (token.front() == '+')
        token.remove_prefix(1);
    const std::optional<double> parsed = ParseDecimal(token);
    // A number beyond the float range is malformed for a rate.
    if (!parsed || !(std::fabs(*parsed) <= std::numeric_limits<float>::max()))
        return Fail();
    m_pos += length;
    value = static_cast<float>(*parsed);
    return true;
}

bool PlanTextReader::ReadFlag(bool& value) {
    std::int32_t number = 0;
    if (!ReadInt(number))
        return false;
    if (number != 0 && number != 1)
        return Fail();
    value = number == 1;
    return true;
}

void PlanTextReader::ConsumeCharacter() {
    if (m_failed || m_pos >= m_text.size())
        return;
    if (AtLineEnd())
        SkipLineEnd();
    else
        ++m_pos;
}

bool PlanTextReader::ReadLine(std::string& line) {
    line.clear();
    if (m_failed)
        return false;
    if (m_pos >= m_text.size())
        return Fail();
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && !AtLineEnd())
        ++m_pos;
    line.assign(m_text.substr(start, m_pos - start));
    if (m_pos < m_text.size())
        SkipLineEnd();
    return true;
}
