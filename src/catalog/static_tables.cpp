#include "catalog/static_tables.h"

#include "catalog/runic_names.h"

namespace kolvar {

void InitStaticTables() { InitRunicNames(); }

}  // namespace kolvar
