#pragma once

#include <QString>

// The lines "tavrel --version" adds after the version: where the launcher finds the reference book
// and Morvik, or the places it would look in.
QString companion_paths(int argc, char *argv[]);
