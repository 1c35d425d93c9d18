#include "common/gauge_host.h"

// The host writes its panel-services table into word 1 before it calls any gauge.
extern "C" {
GAUGE_EXPORT GAUGESIMPORT ImportTable = {IMPORT_TABLE_PANELS_ID, nullptr, 0, nullptr};
}
