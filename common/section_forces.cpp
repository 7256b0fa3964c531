#include "common/section_forces.h"

namespace common {

namespace {

struct ForceOption {
    const char *name;
    QString SectionForces::*text;
};

const ForceOption force_options[] = {
    {"--moment", &SectionForces::moment},
    {"--shear", &SectionForces::shear},
    {"--width", &SectionForces::width},
    {"--member", &SectionForces::member},
};

} // namespace

QList<OptionRule> section_force_options()
{
    QList<OptionRule> rules;
    for (const ForceOption &option : force_options)
        rules.append({QString::fromLatin1(option.name), true, {QString()}});
    return rules;
}

QStringList section_force_arguments(const SectionForces &forces)
{
    // A negative value follows its option as it is: an option's value is never read as an option.
    QStringList arguments;
    for (const ForceOption &option : force_options) {
        if (!(forces.*option.text).isEmpty())
            arguments << QString::fromLatin1(option.name) << forces.*option.text;
    }
    return arguments;
}

SectionForces read_section_forces(const CommandLine &line)
{
    SectionForces forces;
    for (const ForceOption &option : force_options)
        forces.*option.text = line.values.value(QString::fromLatin1(option.name));
    return forces;
}

} // namespace common
