#pragma once

#include <QString>

// The author's addresses and the way the program opens them: with the
// desktop's own handler. A handler that fails is not reported.
namespace links {

QString webPage();
QString email();

void openWebPage();
void openEmail();

} // namespace links
