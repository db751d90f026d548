#include "content/content.hpp"

namespace content {

void writeSounds(const Context&) {}

} // namespace content
