#pragma once

#include <QString>

struct WholeRunView;

// The whole run as the window shows it: the times beside the run page's
// whole-run bar, and the window's title while it is minimised, where the
// page cannot be seen.
namespace wholeruntext {

// "0:07 taken, about 0:10 left" while the run goes ("0:07 taken" until there
// is a rate to go by), "Done in 0:42" once everything is made, "Ended after
// 0:12" for a run that stopped short; empty before a run.
QString times(const WholeRunView& whole);

// "42% - Zavok32 - demo.zvk" while a run goes; the caption as it is otherwise.
QString minimisedTitle(const QString& caption, const WholeRunView& whole);

} // namespace wholeruntext
