// Imports arbitrary bytes as a picture (and, by the first byte, loads them as
// the background) the way Load New Picture and Load New Background Image do:
// copy into the work folder, upright, reduce, proxy.

#include "fuzzsupport.h"

#include "assets/backgroundload.h"
#include "assets/imageassets.h"
#include "assets/pictureimport.h"
#include "document/menudata.h"
#include "document/userprompts.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    zorvan::fuzz::InitOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace zorvan;
    if (size < 1)
        return 0;
    static const char *const kNames[] = {"Photo.jpg", "Logo.png", "Anim.gif", "Photo.JPEG"};
    const uint8_t selector = data[0];
    const QString source = fuzz::WriteScratchFile(QString::fromLatin1(kNames[selector & 3]), data + 1, size - 1);
    const QString work = fuzz::FreshFolder(QStringLiteral("QRT1"));

    QueuedPrompts prompts;
    const ImageAssets assets{work, prompts};
    MenuData doc;
    (void)ImportPicture(source, doc.strip(0, 0), assets);
    if (selector & 4)
        (void)LoadBackgroundFiles(source, doc, assets, true);
    return 0;
}
