#include "document/textparams.h"

namespace zorvan {

void ResetTextParams(TextParams &block)
{
    block = TextParams();
}

} // namespace zorvan
