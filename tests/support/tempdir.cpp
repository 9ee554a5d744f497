#include "tempdir.h"
