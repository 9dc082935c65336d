#include "build/DocumentLayout.h"

namespace lumo {

void AppendNavigation(std::string&, std::size_t, const std::vector<std::string>&) {}
void AppendGotoEvents(std::string&, std::size_t, const std::vector<std::string>&) {}
void AppendMenuPages(std::string&, std::size_t) {}
void AppendDescriptionGroups(std::string&, std::size_t) {}

} // namespace lumo
