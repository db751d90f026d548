#include "content/content.hpp"

namespace content {

void writeGameplayArt(const Context&) {}

} // namespace content
