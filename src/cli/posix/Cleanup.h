// Files the program made that must not outlive it: a signal that ends it
// (SIGINT, SIGTERM, SIGHUP, and SIGBUS from a mapped input that another
// program shortened) removes them first. Scratch files need none: they have
// no name.
#pragma once

#include <string>

namespace quorvex::cli {

// Sets the handlers; once, before any file is made.
void RemoveFilesOnSignals();

// A name to remove on a signal until Forget; returns its slot, or -1 when
// there is no room (it is then not removed).
int RemoveOnSignal(const std::string& path);
void Forget(int slot);

}  // namespace quorvex::cli
