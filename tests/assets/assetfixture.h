#pragma once

#include "assets/imageassets.h"
#include "document/stripdata.h"
#include "document/userprompts.h"
#include "tempdir.h"

#include <QString>

namespace zorvan::test {

// A work folder, a folder the user picks pictures from, and prompts that
// record every message.
struct AssetFixture {
    TempDir work;
    TempDir source;
    QueuedPrompts prompts;
    ImageAssets assets{work.path(), prompts};
    StripData strip;

    QString sourceFile(const QString &name) const { return source.file(name); }
    QString workFile(const QString &name) const { return work.file(name); }
};

} // namespace zorvan::test
