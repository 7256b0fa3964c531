// write_manual_page PROGRAM NAME LANGUAGE SUMMARY VERSION CHANGELOG OUT [COMMAND...]
//
// Writes a program's manual page from its own --help and the --help of each of its commands, so the
// page says what the program says: in English the half of each text from "Usage:" on, in Japanese
// (LANGUAGE ja) the half before it. Dated as the changelog's latest release. The texts are set
// without filling, as the program prints them, each line broken where it would run past the 80
// columns of a terminal (less the page's indent), a full-width character taking two columns.
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

// man sets a section's text 7 columns in; 80 columns less that, and one for the margin.
constexpr int line_columns = 72;
// A line of the help at least this wide was broken where the help's own width ran out: the next
// line at its indent goes on with it.
constexpr int wrapped_columns = 70;

struct Words {
    QString name_heading, description_heading, see_also_heading, section, see_also;
};

const Words english{QStringLiteral("NAME"), QStringLiteral("DESCRIPTION"), QStringLiteral("SEE ALSO"),
                    QStringLiteral("User Commands"),
                    QStringLiteral("The reference book /usr/share/doc/tavrel/Tavrel.pdf.")};
const Words japanese{QStringLiteral("名前"), QStringLiteral("説明"), QStringLiteral("関連項目"),
                     QStringLiteral("ユーザーコマンド"),
                     QStringLiteral("参考図書 /usr/share/doc/tavrel/Tavrel.pdf。")};

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "write_manual_page: %s\n", qPrintable(why));
    std::exit(1);
}

// The half of a program's help in the language asked for.
QString help_half(const QString &program, const QStringList &command, bool in_japanese)
{
    QProcess run;
    run.start(program, command + QStringList{QStringLiteral("--help")});
    if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
        fail(program + u' ' + command.join(u' ') + QStringLiteral(" --help failed"));
    const QString help = QString::fromUtf8(run.readAllStandardOutput());
    const qsizetype english_start = help.indexOf(QStringLiteral("Usage:"));
    if (english_start < 0)
        fail(QStringLiteral("no \"Usage:\" in the help of ") + program + u' ' + command.join(u' '));
    return (in_japanese ? help.left(english_start) : help.mid(english_start)).trimmed();
}

// Columns a character takes in a terminal: two for the wide and full-width ones of East Asian text.
int columns(QChar c)
{
    const char16_t u = c.unicode();
    const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3)
                      || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60)
                      || (u >= 0xFFE0 && u <= 0xFFE6);
    return wide ? 2 : 1;
}

int columns(QStringView text)
{
    int width = 0;
    for (QChar c : text)
        width += columns(c);
    return width;
}

bool is_katakana(QChar c)
{
    return c.unicode() >= 0x30A0 && c.unicode() <= 0x30FF;
}

// Whether a line may break before position i: at a blank, or between two characters of East Asian
// text unless the second closes a phrase or the first opens one, or both are of one katakana word.
bool may_break_before(const QString &line, qsizetype i)
{
    static const QString no_start = QStringLiteral("、。，．）」』】〕・ー々ぁぃぅぇぉっゃゅょァィゥェォッャュョ");
    static const QString no_end = QStringLiteral("（「『【〔");
    if (line[i] == u' ')
        return true;
    return columns(line[i - 1]) == 2 && columns(line[i]) == 2 && !no_start.contains(line[i]) && !no_end.contains(line[i - 1])
           && !(is_katakana(line[i - 1]) && is_katakana(line[i]));
}

qsizetype leading_blanks(QStringView text)
{
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == u' ')
        ++blanks;
    return blanks;
}

// The column where an option's text starts ("  --check     computes …"), 0 for any other line.
qsizetype option_text_column(const QString &line)
{
    static const QRegularExpression option(QStringLiteral("^ +-\\S+(?: [^ -]\\S*)? {2,}"));
    const QRegularExpressionMatch match = option.match(line);
    return match.hasMatch() ? match.capturedLength() : 0;
}

// Where a continued line starts: under an option's text, else at the line's indent.
qsizetype continued_indent(const QString &line)
{
    const qsizetype option = option_text_column(line);
    return option > 0 ? option : leading_blanks(line);
}

// The help's lines with those it broke at its own width joined again: a line of running text (at
// no indent) or of an option goes on with the next when it is wrapped_columns wide and the next
// stands under its text; an indented line of any other kind is a row of a list of its own. East
// Asian text joins without a blank, as it does after its punctuation; other text with one.
QStringList joined(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        const bool goes_on = !lines.isEmpty() && !line.trimmed().isEmpty() && columns(lines.last()) >= wrapped_columns
                             && (option_text_column(lines.last()) > 0 || leading_blanks(lines.last()) == 0)
                             && leading_blanks(line) == continued_indent(lines.last());
        if (!goes_on) {
            lines.append(line);
            continue;
        }
        QString &last = lines.last();
        const QString next = line.trimmed();
        const bool tight = (columns(last.back()) == 2 && columns(next.front()) == 2)
                           || QStringLiteral("。、」）").contains(last.back());
        last += tight ? next : u' ' + next;
    }
    return lines;
}

// A line broken into lines of at most line_columns columns, each continued line at the first's
// continued indent.
QStringList broken(const QString &line)
{
    const QString continued(continued_indent(line), u' ');
    QStringList lines;
    QString rest = line;
    while (columns(rest) > line_columns) {
        // The last place within the width, past the indent, where the line may break.
        qsizetype at = -1;
        int width = 0;
        for (qsizetype i = 0; i + 1 < rest.size() && width + columns(rest[i]) <= line_columns; ++i) {
            width += columns(rest[i]);
            if (i + 1 > leading_blanks(rest) && may_break_before(rest, i + 1))
                at = i + 1;
        }
        if (at < 0)
            break;  // a word longer than the line stays whole
        QString head = rest.left(at);
        while (head.endsWith(u' '))
            head.chop(1);
        lines.append(head);
        rest = continued + rest.mid(at).trimmed();
    }
    lines.append(rest);
    return lines;
}

// Text for roff without filling: every line within the width, backslashes and hyphens escaped, no
// line starting with a control character.
QString roff(const QString &text)
{
    QStringList lines;
    for (const QString &line : joined(text)) {
        for (QString part : broken(line)) {
            part.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
            if (part.startsWith(u'.') || part.startsWith(u'\''))
                part.prepend(QStringLiteral("\\&"));
            lines.append(part);
        }
    }
    return lines.join(u'\n');
}

// The date of the latest release, from the trailer of the changelog's first entry.
QString release_date(const QString &changelog)
{
    QFile file(changelog);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read ") + changelog);
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QStringLiteral(" -- "))) {
            const QDateTime date = QDateTime::fromString(line.section(QStringLiteral("  "), -1), Qt::RFC2822Date);
            if (date.isValid())
                return date.toString(QStringLiteral("yyyy-MM-dd"));
        }
    }
    fail(QStringLiteral("no release date in ") + changelog);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 7)
        fail(QStringLiteral("usage: write_manual_page PROGRAM NAME LANGUAGE SUMMARY VERSION CHANGELOG OUT [COMMAND...]"));
    const QString &program = arguments[0], &name = arguments[1], &summary = arguments[3], &version = arguments[4];
    const bool in_japanese = arguments[2] == QLatin1String("ja");
    const Words &words = in_japanese ? japanese : english;

    QString page = QStringLiteral(".TH %1 1 \"%2\" \"%3 %4\" \"%5\"\n")
                       .arg(name.toUpper(), release_date(arguments[5]), name, version, words.section);
    page += QStringLiteral(".SH %1\n%2 \\- %3\n").arg(words.name_heading, name, summary);
    page += QStringLiteral(".SH %1\n.nf\n%2\n.fi\n").arg(words.description_heading, roff(help_half(program, {}, in_japanese)));
    for (const QString &command : arguments.mid(7))
        page += QStringLiteral(".SH %1\n.nf\n%2\n.fi\n").arg(roff(command), roff(help_half(program, {command}, in_japanese)));
    page += QStringLiteral(".SH %1\n%2\n").arg(words.see_also_heading, words.see_also);

    QFile out(arguments[6]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(page.toUtf8()) < 0 || !out.flush())
        fail(QStringLiteral("cannot write ") + arguments[6]);
    return 0;
}
