// The real clock: whole seconds, as the C runtime's time() gives them.
#include <ctime>

#include "Random.h"

namespace pennantry {

std::int64_t SystemClock::Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace pennantry
