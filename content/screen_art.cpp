#include "content/content.hpp"

namespace content {

void writeScreenArt(const Context&) {}

} // namespace content
