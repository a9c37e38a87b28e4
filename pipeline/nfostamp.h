#pragma once

#include "pipeline/stepresult.h"

class RipJob;
struct RipRunState;
struct Services;

// The copy of the information file that goes into the ZIPs, closed by the
// stamp line: an empty line, then 28 blanks and "Packaged with Zavok32 by
// QZM". The file is bytes (code page 437), never transcoded: lines end at CR
// or CR LF, a lone LF stays part of its line, every line is written with
// CR LF.
//
// - Does nothing when nfoPath is empty.
// - state.nfoFileName becomes the file name of nfoPath (after its last "\"
//   or "/"); the copy is the application directory's file of that name.
// - A line whose first 40 characters are 28 blanks and "Packaged wit" is
//   copied and ends the copy: what follows is dropped and no second stamp
//   is added.
// - Pending window events run after every line.
// A missing or unreadable information file, or a copy that cannot be
// written, is a failure of the run.
StepResult prepareNfo(const RipJob& job, RipRunState& state, const Services& services);
