#ifndef ZAVEL_NUMBERSCANNER_H
#define ZAVEL_NUMBERSCANNER_H

// Reads decimal integers from a piece of text exactly as formatted stream extraction does in the classic
// locale (operator>> on an istream), but without a stream: white space is skipped, one '+' or '-' may lead,
// at least one digit must follow, reading stops at the first character that is not a digit, and an overflow
// fails. An unsigned read of a negative number wraps around as the stream does. Saved games are read this
// way, so what the reader accepts is what stream extraction accepts, only faster.

#include <cstdint>
#include <string>

namespace Zavel {

inline bool isStreamSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

class NumberScanner
{
public:
    NumberScanner(const char *begin, const char *end)
        : m_pos(begin)
        , m_end(end)
    { }

    explicit NumberScanner(const std::string &text)
        : NumberScanner(text.data(), text.data() + text.size())
    { }

    bool readUnsigned(std::uint64_t *value)
    {
        bool negative = false;
        std::uint64_t magnitude = 0;
        if (!readMagnitude(&negative, &magnitude, UINT64_MAX))
            return false;
        *value = negative ? 0 - magnitude : magnitude;
        return true;
    }

    bool readInt(int *value)
    {
        bool negative = false;
        std::uint64_t magnitude = 0;
        // The stream lets a negative value reach one further than a positive one.
        if (!readMagnitude(&negative, &magnitude, 2147483648ull))
            return false;
        if (!negative && magnitude > 2147483647ull)
            return false;
        *value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
        return true;
    }

    const char *position() const { return m_pos; }

private:
    bool readMagnitude(bool *negative, std::uint64_t *magnitude, std::uint64_t limit)
    {
        while (m_pos != m_end && isStreamSpace(*m_pos))
            ++m_pos;
        if (m_pos != m_end && (*m_pos == '-' || *m_pos == '+')) {
            *negative = *m_pos == '-';
            ++m_pos;
        }
        const char *digits = m_pos;
        bool overflow = false;
        std::uint64_t value = 0;
        while (m_pos != m_end && *m_pos >= '0' && *m_pos <= '9') {
            const auto digit = static_cast<std::uint64_t>(*m_pos - '0');
            if (value > (limit - digit) / 10)
                overflow = true;
            else
                value = value * 10 + digit;
            ++m_pos;
        }
        if (m_pos == digits || overflow)
            return false;
        *magnitude = value;
        return true;
    }

    const char *m_pos;
    const char *m_end;
};

} // namespace Zavel

#endif
