#include "gui/common/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace gui::common {

FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader()
{
    thread_.join();
}

} // namespace gui::common
