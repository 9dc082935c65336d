#pragma once

#include "entry/ExhibitionEntry.h"
#include "platform/FileIdentity.h"

#include <set>

namespace lumo {

// Every file a build of entries reads from, by identity: each entry's scene document and
// images, its data files and the files its data folders hand to staging. Staging never
// writes over one of them, whatever name reaches it.
std::set<FileIdentity> InputIdentities(const EntryList& entries);

} // namespace lumo
