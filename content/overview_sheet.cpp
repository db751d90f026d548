#include "content/content.hpp"

namespace content {

void writeOverviewSheet(const Context&, const std::filesystem::path&) {}

} // namespace content
