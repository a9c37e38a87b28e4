#pragma once

#include "pipeline/stepresult.h"

class DescriptionPreview;
class DriveService;
class RipJob;
struct AppState;
struct RipRunState;
struct Services;

// Volume numbering of the description file (file_id.diz). The number of
// the volume and of the set ("03/12", or "003/120" with three-digit
// numbering) is written over the description's line dizLine from column
// dizColumn (both 1-based; a box's value is the leading number of its
// text). The files are bytes in code page 437 and are never transcoded:
// lines end at CR or CR LF, a lone LF stays part of its line, and every
// line is written back with CR LF.
//
// The overwrite on the numbered line: with three-digit numbering a line
// shorter than column + 7 first gets two blanks; then at most 7 characters
// are overwritten from the column, never past the line's end, so the line
// keeps its length.

// Tries the numbering position once, before a run and for the Diz page's
// Test button, on a temporary copy "c:\~zavok.diz" (deleted afterwards, but
// left in place after a refusal).
// - Does nothing when dizPath is empty or autoNumbering is off.
// - An empty or "0" column or line box: the focus goes to that box (the Diz
//   page is shown first when it is not the visible page); no message.
// - A numbered line too short for the number: "Column number too high"; a
//   description with fewer lines than dizLine: "Line number too high"; both
//   titled "Zavok32 error" with an exclamation icon (silent in unattended
//   runs), with the Diz page shown and the focus on the box at fault.
// - state.numberingChecked is true exactly when the position is usable.
// - With state.dizPreviewMode, a usable position opens the preview with the
//   numbered text (01/99 or 001/999); `preview` may be null otherwise.
// A failure (unreadable description, unwritable copy, a column box without
// a number when the line is reached) is a failure of the run.
StepResult checkDizNumbering(const RipJob& job, RipRunState& state, const AppState& app, const Services& services,
                             DescriptionPreview* preview = nullptr);

// Writes the application directory's "file_id.diz": dizPath with
// state.currentVolume of state.volumeCount written in. Run only after
// checkDizNumbering has passed; a line that cannot take the number any more
// (the description changed meanwhile) is a failure, never a silent copy.
StepResult writeNumberedDiz(const RipJob& job, const RipRunState& state, const DriveService& drives);
