// The icon group that each program of the suite carries as its first icon:
// Explorer shows it for the file, the forms for their windows. A plain
// #define, since the resource compiler reads this header too.
#ifndef QUORVEX_WINDOW_WIN32_PROGRAMICON_H
#define QUORVEX_WINDOW_WIN32_PROGRAMICON_H

#define IDI_PROGRAM 1

#endif
