#include "benchmark.h"

#include "assets/fontcatalogue.h"
#include "assets/layoutfontcheck.h"
#include "document/menudata.h"

#include <memory>

using namespace zorvan;

namespace {

// Loading the machine's font configuration: paid when the editor starts and
// again at every check after the user installs fonts.
bench::Measurement LoadCatalogue()
{
    const double ms = bench::MedianMilliseconds(9, [] { FontCatalogue catalogue; });
    return bench::Measurement{ms, "ms", 250.0};
}

// The font checks of opening the largest layout: every block of 8 x 200
// strips, faces installed, stand-in and missing.
bench::Measurement CheckFullLayout()
{
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = kMaxColumns;
    doc->NumberOfRows = kMaxRows;
    const QString faces[] = {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("Cubano"),
                             QStringLiteral("Liberation Sans Narrow")};
    for (int c = 0; c < kMaxColumns; ++c) {
        for (int r = 0; r < kMaxRows; ++r) {
            for (int item = 0; item < kTextItemCount; ++item) {
                TextParams &block = doc->strip(c, r).block(item);
                block.Text = QStringLiteral("Cheeseburger");
                block.Font = faces[(c + r + item) % 4];
            }
        }
    }
    const FontCatalogue catalogue;
    const double ms = bench::MedianMilliseconds(9, [&] {
        LayoutFontCheck check(catalogue, QString());
        check.CheckDocument(*doc);
    });
    return bench::Measurement{ms, "ms", 20.0};
}

const bench::Registration loadRegistration{"fonts-catalogue-load", LoadCatalogue};
const bench::Registration checkRegistration{"fonts-check-8x200", CheckFullLayout};

} // namespace
