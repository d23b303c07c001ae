#include "window/pagewords.h"

#include "roster/entrylist.h"
#include "window/mainwindow.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr int Most = EntryList<BotEntry>::MaxEntries;

bool isBots(RosterListKind list) {
    return list == RosterListKind::Bots;
}

} // namespace

QString PageWords::caption(RosterListKind list, int current, int count) {
    const QString number =
        current < 0 ? QString::number(current) : u" "_s + QString::number(current);
    return (isBots(list) ? tr("%1  (Bot %2 of %3)") : tr("%1  (Map %2 of %3)"))
        .arg(MainWindow::programName(), number, QString::number(count));
}

QString PageWords::findTitle(RosterListKind list) {
    return isBots(list) ? tr("Find in bots") : tr("Find in maps");
}

QString PageWords::goToTitle(RosterListKind list) {
    return isBots(list) ? tr("Go to bot") : tr("Go to map");
}

QString PageWords::fullTitle(RosterListKind list) {
    return isBots(list) ? tr("Add bot") : tr("Add map");
}

QString PageWords::fullText(RosterListKind list) {
    return (isBots(list)
                ? tr("The bot list is full: it already holds %1 bots, the most it can hold.")
                : tr("The map list is full: it already holds %1 entries, the most it can hold."))
        .arg(Most);
}

QString PageWords::pasteTitle() {
    return tr("Paste Entries");
}

QString PageWords::pasteReport(RosterListKind list, qsizetype pasted, qsizetype otherKind,
                               qsizetype notFitting) {
    const bool bots = isBots(list);
    if (pasted == 0 && notFitting == 0) {
        return bots ? tr("The clipboard holds no bots to paste: no bots.ini text with a [Bot] "
                         "section.")
                    : tr("The clipboard holds no map entries to paste: no bots.ini text with a "
                         "[Map] or [DefaultMap] section.");
    }
    if (otherKind == 0 && notFitting == 0)
        return {};
    QStringList said;
    if (pasted == 0)
        said << (bots ? tr("No bot was pasted.") : tr("No map entry was pasted."));
    else
        said << (bots ? tr("Pasted %n bot(s).", nullptr, int(pasted))
                      : tr("Pasted %n map entry(ies).", nullptr, int(pasted)));
    if (notFitting > 0)
        said << (bots ? tr("%n bot(s) did not fit: the list holds at most %1.", nullptr,
                           int(notFitting))
                      : tr("%n map entry(ies) did not fit: the list holds at most %1.", nullptr,
                           int(notFitting)))
                    .arg(Most);
    if (otherKind > 0)
        said << (bots ? tr("Left out: %n map entry(ies), which belong on the Maps page.", nullptr,
                           int(otherKind))
                      : tr("Left out: %n bot(s), which belong on the Bots page.", nullptr,
                           int(otherKind)));
    return said.join(u"\n\n"_s);
}
