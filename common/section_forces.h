#pragma once

#include "common/command_line.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace common {

// The forces of one member that Tavrel hands to a new Morvik window on Morvik's command line,
// each the text to be typed into its field; an empty text is not handed over.
struct SectionForces {
    QString moment;  // M, N·cm: "--moment"
    QString shear;   // S, N: "--shear"
    QString width;   // b, cm: "--width"
    QString member;  // the member they come from, for the window's title: "--member"
};

// The options that carry the forces, each with a value, for starting Morvik's window.
QList<OptionRule> section_force_options();

// The command line that hands the forces over, e.g. "--moment 230700 --shear 5801 --width 100".
QStringList section_force_arguments(const SectionForces &forces);

// The forces a command line read with section_force_options() hands over.
SectionForces read_section_forces(const CommandLine &line);

} // namespace common
