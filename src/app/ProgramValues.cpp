#include "app/ProgramValues.h"

namespace quorvex {

ProgramValues& Program() {
    static ProgramValues values;
    return values;
}

std::string HelpFile() { return Program().installPath + "mivo.chm"; }

}  // namespace quorvex
