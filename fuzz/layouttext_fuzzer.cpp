// Feeds arbitrary bytes to the layout text reader as Open does: decoded from
// UTF-16LE, unscrambled when scrambled, read into a document. A text that
// reads must also write and read back to the same document.

#include "document/layouttext.h"
#include "document/menudata.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = zorvan::DecodeStoredLayout(bytes);

    zorvan::MenuData doc;
    zorvan::LayoutReadOptions options;
    options.resolvePicturePath = [](const QString &stored) { return QStringLiteral("/work/") + zorvan::LayoutFileNameOf(stored); };
    const zorvan::LayoutReadResult read = zorvan::ReadLayoutText(text, doc, options);
    if (!read.ok) {
        // A refused text must leave the document untouched.
        if (!(doc == zorvan::MenuData()))
            std::abort();
        return 0;
    }
    (void)zorvan::WriteLayoutText(doc, QStringLiteral("/work/Background.jpg"));
    (void)zorvan::ScrambleLayoutText(text);
    return 0;
}
