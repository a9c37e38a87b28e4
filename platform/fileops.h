#pragma once

#include <QString>

namespace fileops {

// Copies src over dst. The copy is written beside dst and renamed into place
// at the end, so a failed copy leaves dst as it was; a file is never copied
// onto itself.
bool copyReplacing(const QString& srcHost, const QString& dstHost, QString* error = nullptr);

// Removes a file if it exists; true when it is gone afterwards.
bool removeIfExists(const QString& hostPath);

} // namespace fileops
