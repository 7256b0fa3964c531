#include "gui/common/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace widgets {

FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader()
{
    thread_.join();
}

} // namespace widgets
