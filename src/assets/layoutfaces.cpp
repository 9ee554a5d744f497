#include "assets/layoutfaces.h"

#include "document/menudata.h"

namespace zorvan {

QStringList LayoutFaces(const MenuData &doc)
{
    QStringList faces;
    for (int column = 0; column < doc.NumberOfColumns; ++column) {
        for (int row = 0; row < doc.NumberOfRows; ++row) {
            for (int item = 0; item < kTextItemCount; ++item) {
                const TextParams &block = doc.strip(column, row).block(item);
                if (!block.Text.isEmpty() && !block.Font.isEmpty() && !faces.contains(block.Font))
                    faces << block.Font;
            }
        }
    }
    return faces;
}

} // namespace zorvan
