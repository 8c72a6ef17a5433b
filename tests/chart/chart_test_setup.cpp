#include "chart_test_setup.h"

#include <mutex>

#include "catalog/static_tables.h"

namespace kolvar {

void InitialiseChartTables() {
    static std::once_flag once;
    std::call_once(once, [] { InitStaticTables(); });
}

}  // namespace kolvar
