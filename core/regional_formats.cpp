#include "core/regional_formats.h"

TRegionalFormatsRec RegionalFormats;
