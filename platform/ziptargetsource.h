#pragma once

#include <QByteArray>

struct zip_source;
struct zip_error;

// The ZIP file that libzip reads and writes, as a libzip source. It reads the
// existing file (if any) and writes the new one beside it as
// "<name>.zip.unfinished-XXXXXX", which takes the place of the old file only
// once libzip has written all of it. A run that is killed meanwhile leaves a
// file that says what it is, and that no reader takes for a finished ZIP
// (libzip's own file source would leave "<name>.zip.XXXXXX").
namespace ziptargetsource {

// The file name stem of the half-written file: the target's name followed
// by this, then six characters that make it unique.
inline constexpr char kUnfinished[] = ".unfinished-";

// A source for the ZIP at targetPath (host bytes). Null on failure, with
// the reason in *error. The source belongs to whoever opens the archive
// with it, as with zip_source_file.
zip_source* create(const QByteArray& targetPath, zip_error* error);

} // namespace ziptargetsource
