#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Reads the values of a plan file the way a text-mode stream would: CR LF and
// a lone LF are both one line end, numbers skip leading white space and end at
// the first character that cannot continue them, and once a read fails every
// later read fails too. It remembers the line where the first failure happened.
class PlanTextReader {
public:
    explicit PlanTextReader(std::string_view text);

    bool ReadUnsigned(std::uint32_t& value);
    bool ReadInt(std::int32_t& value);
    bool ReadFloat(float& value);
    bool ReadFlag(bool& value);
    // Consumes exactly one character (a CR LF pair counts as one).
    void ConsumeCharacter();
    // The rest of the line; the line end is consumed, not stored. The name is
    // emptied first, so after a failure it stays empty.
    bool ReadLine(std::string& line);

    bool Failed() const { return m_failed; }
    // 1-based line of the first failed read; 0 while nothing failed.
    std::size_t FailedLine() const { return m_failedLine; }
    std::size_t Size() const { return m_text.size(); }
    // The first failed read met the end of the text: more text might have let it succeed.
    bool RanOut() const { return m_failed && m_failedAt >= m_text.size(); }
    // How much of the text has been read, the line end right after the last value included.
    std::size_t Consumed() const;

private:
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipWhiteSpace();
    bool Fail();
    // A decimal integer that fits the type, so a '-' only where the type is signed.
    template <typename Integer> bool ReadInteger(Integer& value);

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_line = 1;
    bool m_failed = false;
    std::size_t m_failedLine = 0;
    std::size_t m_failedAt = 0;
};
