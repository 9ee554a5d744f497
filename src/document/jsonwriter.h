#pragma once

#include <QByteArray>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace zorvan {

// Writes UTF-8 JSON with members in the order they are written (QJsonObject
// would sort them), on one line: {"A": 1, "B": [true, "x"]}. Reals use the
// shortest form that reads back to the same double.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The next value belongs to this member of the current object.
    void key(QStringView name);

    void value(bool v);
    void value(int v);
    void value(std::uint32_t v);
    void value(double v);
    void value(QStringView v);
    void value(const char *v) = delete;

    template<typename T>
    void member(QStringView name, const T &v)
    {
        key(name);
        value(v);
    }

    const QByteArray &text() const { return m_out; }

private:
    void beforeValue();
    void appendString(QStringView s);

    QByteArray m_out;
    // Per open object or array: whether it has no member yet.
    std::vector<bool> m_empty;
    bool m_afterKey = false;
};

} // namespace zorvan
