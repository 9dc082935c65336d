#include "build/ImageRecords.h"

namespace lumo {

void AppendThumbnailRecord(std::string&, const ExhibitionEntry&, int) {}
void AppendDescriptionRecord(std::string&, const ExhibitionEntry&, int) {}

} // namespace lumo
