#include "document/layouttext.h"
