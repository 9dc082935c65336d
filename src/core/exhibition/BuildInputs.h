#pragma once

#include "entry/ExhibitionEntry.h"
#include "exhibition/EntryPlan.h"
#include "platform/FileIdentity.h"

#include <set>
#include <vector>

namespace lumo {

// Every file a build of entries reads from, by identity: each entry's scene document and
// images and every file its plan copies. Staging never writes over one of them, whatever
// name reaches it.
std::set<FileIdentity> InputIdentities(const EntryList& entries,
                                       const std::vector<EntryPlan>& plans);

} // namespace lumo
