#include "source/DataCollector.h"

#include "platform/PathParts.h"
#include "source/ElementCutter.h"
#include "source/SourceElements.h"
#include "source/TextEdits.h"

#include <algorithm>

namespace lumo {

DataReferences CollectDataReferences(ElementCutter& elements, const std::string& documentPath) {
    const std::string folder = FolderPart(documentPath);
    DataReferences references;
    for (int i = 0; i < kMaxElementsPerKind; ++i) {
        const std::string element = elements.CutNext();
        if (element.empty()) {
            return references;
        }
        std::string value = AttributeValue(element, kPathAttribute);
        references.values.push_back(value);
        // The value is a Windows relative path; its backslashes separate folders.
        std::replace(value.begin(), value.end(), '\\', kNativeSeparator);
        references.paths.push_back(folder + value);
    }
    return references;
}

} // namespace lumo
