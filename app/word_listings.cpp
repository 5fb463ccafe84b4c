#include "app/word_listings.h"

#include <QString>

#include "app/gui_observer.h"
#include "app/qt_text.h"
#include "app/tool_catalogue.h"
#include "app/user_dialogs.h"
#include "core/frequency_order.h"

namespace tavilo {
namespace {

constexpr std::string_view kWaiting = "            Tri et chargement de la liste\x85 Patientez\x85";

}  // namespace

std::optional<ToolResult> RunWordListingFromMenu(ListingKind kind, ListingContext& context) {
  GuiObserver& observer = context.observer;
  if (kind == ListingKind::Okapi || kind == ListingKind::Phokapi) {
    const QString name = kind == ListingKind::Okapi ? QStringLiteral("'okapi'") : QStringLiteral("'phokapi'");
    observer.SetCountText([name](long count) {
      return QString::number(count) + (count == 1 ? QStringLiteral(" mot ") : QStringLiteral(" mots ")) + name;
    });
  }
  // "Mots courants en premier": the file is read (or refused) before the listing runs.
  const FrequencyLoad* frequencies = context.host.commonWordsFirst() ? &context.host.frequencies() : nullptr;
  if (frequencies && frequencies->error) {
    context.host.dialogs().Warning(context.host.window(), kProgramTitle, FromCp1252(frequencies->error->Message()));
    return std::nullopt;
  }
  ListingResult result = RunWordListing(kind, context.lexicon, observer);
  observer.SetCountText({});
  if (result.stopped) return std::nullopt;
  if (frequencies) SortListingByFrequency(result, frequencies->frequencies);
  KeepListingResult(result, context.session);

  // The main window clears the waiting line once the result is shown.
  context.host.SetStatusLine(StatusLine::Waiting, kWaiting);
  ToolResult published;
  published.header = WriteListingHeader(result);
  if (frequencies) AddFrequencyOrderLine(published.header);
  published.block = WriteListingBlock(result);
  return published;
}

void AddWordListings(ToolRegistry& tools) {
  for (const ListingInfo& info : AllListings()) {
    const ListingKind kind = info.id;
    tools.AddListing(kind, [kind](ListingContext& context) { return RunWordListingFromMenu(kind, context); });
  }
}

}  // namespace tavilo
