// Unpacks arbitrary bytes as a layout container into a work folder that
// already holds files; a refused container must leave them as they were, and
// nothing may ever be written outside the folder.

#include "fuzzsupport.h"

#include "document/container.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    zorvan::fuzz::InitOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace zorvan;
    const QString container = fuzz::WriteScratchFile(QStringLiteral("Menu_LAYOUT.ZORVAN"), data, size);
    const QString outer = fuzz::FreshFolder(QStringLiteral("outer"));
    const QString work = outer + QStringLiteral("/QRT1");
    QDir().mkpath(work);
    {
        QFile old(work + QStringLiteral("/Background.jpg"));
        old.open(QIODevice::WriteOnly);
        old.write("previous");
    }

    const UnpackResult result = UnpackContainer(container, work);
    if (!result.ok) {
        QFile old(work + QStringLiteral("/Background.jpg"));
        if (!old.open(QIODevice::ReadOnly) || old.readAll() != "previous")
            std::abort();
        if (QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size() != 1)
            std::abort();
    }
    // Only the work folder itself may appear in the folder above it.
    if (QDir(outer).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) != QStringList{QStringLiteral("QRT1")})
        std::abort();
    return 0;
}
