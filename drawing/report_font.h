#pragma once

#include <QFont>
#include <QString>

namespace drawing {

// The one face of every report and window: "ＭＳ ゴシック".
inline const QString report_face = QStringLiteral("ＭＳ ゴシック");

// Makes "ＭＳ ゴシック" and "MS Gothic" resolve to IPA Gothic, whose half-width glyphs are exactly
// half an em, so labels padded with half-width and full-width blanks line up in columns.
// Done in code so that no font configuration of the machine is needed. Safe to call repeatedly;
// both programs call it at start, the windows as well as the command-line output.
void install_font_substitutions();

// The families a font of the report face asks for: the faces that serve "ＭＳ ゴシック", then the
// name itself. A font that asks for the name alone finds it only after Qt has sorted every face of
// the machine for a fallback, several milliseconds before each window's first frame; the name stays
// last for a machine whose own font configuration serves it.
QStringList report_families();

// The report font at a point size, asking for report_families(); no other attribute is set.
QFont report_font(double point_size);

// The faces text is set in. The reports and windows use the Gothic face alone; the reference book
// sets its running text in Mincho, its headings and the screen's words in the Gothic, and file
// names and commands in a monospace face (with the Gothic for Japanese characters). Both Japanese
// faces set kana and punctuation full width, as Japanese text is set.
enum class TextFace { Gothic, Mincho, Mono };

// The font of a face at a point size; TextFace::Gothic is report_font.
QFont text_font(TextFace face, double point_size);

} // namespace drawing
