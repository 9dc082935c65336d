#pragma once

#include <string>
#include <vector>

namespace lumo {

class ElementCutter;

// The data files and folders a scene document names, in document order, at most 100:
// each data element's path value as written and the absolute path it stands for (the
// document's folder joined with the value).
struct DataReferences {
    std::vector<std::string> values;
    std::vector<std::string> paths;
    // Data elements after the 100th were left out.
    bool overLimit = false;
};

// From the data elements a cutter yields over the document's lines joined without
// separators: it takes at most 100 of them and leaves the rest in the cutter; overLimit
// is left to the caller.
DataReferences CollectDataReferences(ElementCutter& elements, const std::string& documentPath);

} // namespace lumo
