// The values that live for the whole run and that several parts of the
// program share.
#pragma once

#include <string>

namespace quorvex {

struct ProgramValues {
    // The suite's installation folder, ending in "\" once it has been read.
    std::string installPath;
    // The screen's twips per pixel, measured at start-up.
    short twipsPerPixelX = 15;
    short twipsPerPixelY = 15;
    // Raised while a folder listing writes a pane, so that the pane's change
    // handling stays out of its intermediate texts.
    bool listingInProgress = false;
};

ProgramValues& Program();

// The suite's help file, in the installation folder.
std::string HelpFile();

}  // namespace quorvex
