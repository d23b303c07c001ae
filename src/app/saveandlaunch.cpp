#include "app/saveandlaunch.h"

#include "app/launch.h"
#include "app/settings.h"

SaveOutcome saveIni(RosterDocument& document, const QString& gamePath, const QString& parameters,
                    SaveAnswers answers) {
    using Kind = SaveOutcome::Kind;
    document.storeDrafts();
    // Entries the file holds past the limit are never dropped without the player's word.
    if (document.unread().any() && !answers.dropUnread)
        return {Kind::AskDropUnread, {}, {}, document.unread()};
    using Mode = RosterDocument::SaveMode;
    RosterDocument::Saved saved =
        document.save(answers.overwrite ? Mode::Overwrite : Mode::UnlessChangedElsewhere);
    if (saved.outcome == RosterDocument::Saved::Outcome::ChangedElsewhere)
        return {Kind::AskOverwrite, {}, {}, {}};
    storeGamePathAndParameters(gamePath, parameters);
    const bool written = saved.outcome == RosterDocument::Saved::Outcome::Written;
    return {
        written ? Kind::Written : Kind::Failed, std::move(saved.bytes), std::move(saved.error), {}};
}

LaunchOutcome launchGame(RosterDocument& document) {
    document.storeDrafts();
    LaunchOutcome outcome;
    outcome.shown = document.composedFile();
    outcome.started = launchStoredGame(&outcome.reason);
    return outcome;
}
