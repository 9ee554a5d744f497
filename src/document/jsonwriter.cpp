#include "document/jsonwriter.h"

#include <charconv>
#include <cmath>

namespace zorvan {

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_empty.empty()) {
        if (!m_empty.back())
            m_out += ", ";
        m_empty.back() = false;
    }
}

void JsonWriter::beginObject()
{
    beforeValue();
    m_out += '{';
    m_empty.push_back(true);
}

void JsonWriter::endObject()
{
    m_out += '}';
    m_empty.pop_back();
}

void JsonWriter::beginArray()
{
    beforeValue();
    m_out += '[';
    m_empty.push_back(true);
}

void JsonWriter::endArray()
{
    m_out += ']';
    m_empty.pop_back();
}

void JsonWriter::key(QStringView name)
{
    beforeValue();
    appendString(name);
    m_out += ": ";
    m_afterKey = true;
}

void JsonWriter::value(bool v)
{
    beforeValue();
    m_out += v ? "true" : "false";
}

void JsonWriter::value(int v)
{
    beforeValue();
    m_out += QByteArray::number(v);
}

void JsonWriter::value(std::uint32_t v)
{
    beforeValue();
    m_out += QByteArray::number(v);
}

void JsonWriter::value(double v)
{
    beforeValue();
    // JSON has no infinities or NaN; the document never holds them, but a
    // dump must stay valid JSON whatever happens.
    if (!std::isfinite(v)) {
        m_out += "null";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    m_out.append(buffer, result.ptr - buffer);
}

void JsonWriter::value(QStringView v)
{
    beforeValue();
    appendString(v);
}

void JsonWriter::appendString(QStringView s)
{
    static const char hex[] = "0123456789abcdef";
    const auto escapeUnit = [this](char16_t c) {
        m_out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            m_out += hex[(c >> shift) & 0xF];
    };
    m_out += '"';
    const qsizetype size = s.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = s[i].unicode();
        switch (c) {
        case u'"': m_out += "\\\""; continue;
        case u'\\': m_out += "\\\\"; continue;
        case u'\n': m_out += "\\n"; continue;
        case u'\r': m_out += "\\r"; continue;
        case u'\t': m_out += "\\t"; continue;
        case u'\b': m_out += "\\b"; continue;
        case u'\f': m_out += "\\f"; continue;
        default: break;
        }
        if (c < 0x20) {
            escapeUnit(c);
        } else if (c < 0x80) {
            m_out += static_cast<char>(c);
        } else if (c < 0x800) {
            m_out += static_cast<char>(0xC0 | (c >> 6));
            m_out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(s[i + 1].unicode())) {
            const char32_t u = QChar::surrogateToUcs4(c, s[i + 1].unicode());
            m_out += static_cast<char>(0xF0 | (u >> 18));
            m_out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            m_out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            m_out += static_cast<char>(0x80 | (u & 0x3F));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            // A lone surrogate has no UTF-8 form; the escape keeps it.
            escapeUnit(c);
        } else {
            m_out += static_cast<char>(0xE0 | (c >> 12));
            m_out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            m_out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    m_out += '"';
}

} // namespace zorvan
