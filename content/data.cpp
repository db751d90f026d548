#include "content/content.hpp"

namespace content {

void writeData(const Context&) {}

} // namespace content
