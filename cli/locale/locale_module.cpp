// The Qt locale services as a module the command-line tool loads only when a page needs them:
// linking Qt costs every run of the tool several milliseconds before it does anything.
#include "qt_locale.h"

extern "C" __attribute__((visibility("default"))) LocaleServices* UlnikCreateLocaleServices() {
    return new QtLocale();
}
