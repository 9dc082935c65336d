#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

// The navigation part of the exhibition document for n entries. A missing top group
// name reads as the empty text.
void AppendNavigation(std::string& text, std::size_t n,
                      const std::vector<std::string>& topGroupNames);
void AppendGotoEvents(std::string& text, std::size_t n,
                      const std::vector<std::string>& topGroupNames);
void AppendMenuPages(std::string& text, std::size_t n);
void AppendDescriptionGroups(std::string& text, std::size_t n);

} // namespace lumo
