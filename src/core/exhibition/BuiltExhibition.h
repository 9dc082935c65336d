#pragma once

#include "entry/ExhibitionEntry.h"

#include <string>

namespace lumo {

// The entries of a built exhibition, read from the numbered entry folders beside its
// exhibition.tsd (the document itself is not read) up to the first number missing. Every
// file of a folder is classified as a drop would classify it into one accumulating entry,
// which starts as accumulator: a field a folder does not supply keeps the value it had
// before that folder was read, so a folder without any recognised file repeats the entry
// before it.
EntryList ReadBuiltExhibition(const std::string& documentPath, ExhibitionEntry accumulator);

} // namespace lumo
