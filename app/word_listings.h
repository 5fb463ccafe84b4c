// The word listings of the "&Outils" menu, run straight from their menu items: each calls the
// listing engine (engines/listings) and hands its block to the main window.
#pragma once

#include "app/tool_registry.h"
#include "engines/listings/listing.h"

namespace tavilo {

// Runs one listing for the main window: the live count on the count label (" mots 'okapi'" and
// " mots 'phokapi'" after the number for those two), the current list for 'okapi' and
// 'phokapi', "Patientez" on the waiting line while the block is written. Nothing when stopped.
std::optional<ToolResult> RunWordListingFromMenu(ListingKind kind, ListingContext& context);

// Registers the eleven listings.
void AddWordListings(ToolRegistry& tools);

}  // namespace tavilo
