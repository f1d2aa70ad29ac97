// quorvex-compare's files on a POSIX system: inputs read as streams, output
// files written as sort -o writes them, and scratch files.
#pragma once

#include <memory>
#include <string>

#include "cli/System.h"

namespace quorvex::cli {

// Throws Trouble naming `path` when it cannot be opened.
std::unique_ptr<Input> OpenInput(const std::string& path);
std::unique_ptr<Input> StandardInputStream();

// The output `path` names, checked before anything is written: a link is
// followed; a regular file (or a new one) is written beside itself and
// replaces the target only at Commit, keeping its mode, owner and group
// where the process may set them (in place from a scratch copy when its
// folder takes no new file); a pipe, a device or anything else is written
// as it is. A target the user may not write is refused, with Trouble naming
// it.
std::unique_ptr<Output> PrepareOutputFile(const std::string& path, const std::string& temporaryFolder);

// Standard output; a reader that went away is ClosedPipe.
Output& StandardOutputStream();

// An unnamed file in `folder`.
std::unique_ptr<Scratch> CreateScratchFile(const std::string& folder);

}  // namespace quorvex::cli
