#include "gui/common/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace gui::common {

FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader()
{
    thread_.join();
}

} // namespace gui::common

#if defined(__SANITIZE_ADDRESS__)
// In a build with the sanitizers: fontconfig loses a few hundred bytes of every configuration it
// loads, which the leak checker would report at the end of any program that read it. The leak
// checker says nothing of what it let pass, so that a program's error output stays its own.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" const char *__lsan_default_options()
{
    return "print_suppressions=0";
}
#endif
