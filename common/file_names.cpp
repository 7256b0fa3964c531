#include "common/file_names.h"

#include <QRegularExpression>
#include <QStringView>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

// A byte that is not part of valid UTF-8 stands as U+DC00 plus the byte; only bytes from 0x80 on
// can be such bytes.
constexpr char16_t escaped_byte_base = 0xDC00;

bool is_escaped_byte(char16_t u)
{
    return u >= escaped_byte_base + 0x80 && u <= escaped_byte_base + 0xFF;
}

// The length of the UTF-8 sequence that starts at b[i] and the code point it encodes, or 0 when
// the bytes there are no valid sequence (overlong forms and encoded surrogates included).
int utf8_sequence(const unsigned char *b, qsizetype i, qsizetype n, char32_t &code)
{
    const unsigned char lead = b[i];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the byte after the lead
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || i + length > n)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char c = b[i + k];
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
            return 0;
        code = (code << 6) | (c & 0x3F);
    }
    return length;
}

// The folder that holds this process's open files as links (/proc/self/fd, /proc/<pid>/task/<tid>/fd);
// another process's are followed as links like any other.
bool is_own_open_files_folder(const QByteArray &folder)
{
    const QRegularExpression open_files(QStringLiteral("^/proc/%1(/task/[0-9]+)?/fd$").arg(::getpid()));
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.constData(), nullptr), &std::free);
    return real && open_files.match(QString::fromLatin1(real.get())).hasMatch();
}

} // namespace

QString name_from_native(const QByteArray &native)
{
    const auto *b = reinterpret_cast<const unsigned char *>(native.constData());
    const qsizetype n = native.size();
    QString name;
    name.reserve(n);
    for (qsizetype i = 0; i < n;) {
        char32_t code = 0;
        if (b[i] < 0x80) {
            name += QChar(b[i++]);
        } else if (const int length = utf8_sequence(b, i, n, code)) {
            name += QChar::fromUcs4(code);
            i += length;
        } else {
            name += QChar(char16_t(escaped_byte_base + b[i++]));
        }
    }
    return name;
}

QByteArray native_name(const QString &name)
{
    QByteArray native;
    native.reserve(name.size());
    qsizetype text_start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        // A byte's stand-in ends the text before it, unless it is the second half of a pair.
        if (!is_escaped_byte(u) || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        native += QStringView(name).mid(text_start, i - text_start).toUtf8();
        native += char(u - escaped_byte_base);
        text_start = i + 1;
    }
    native += QStringView(name).mid(text_start).toUtf8();
    return native;
}

FileResult check_dialog_name(const QString &name)
{
    struct stat status {};
    if (!name.contains(QChar::ReplacementCharacter) || ::lstat(native_name(name).constData(), &status) == 0)
        return {};
    return {false, name_not_utf8_reason};
}

QString absolute_name(const QString &name)
{
    if (name.startsWith(u'/'))
        return name;
    char folder[PATH_MAX];
    if (::getcwd(folder, sizeof folder) == nullptr)
        return name;
    return name_from_native(QByteArray(folder) + '/' + native_name(name));
}

FinalTarget final_target(const QByteArray &native)
{
    constexpr int max_links = 40;
    FinalTarget target{native};
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(target.path.constData(), &status) != 0) {
            if (errno != ENOENT)
                target.error = errno;
            return target;
        }
        if (!S_ISLNK(status.st_mode))
            return target;
        if (links == max_links) {
            target.error = ELOOP;
            return target;
        }
        const QByteArray folder = folder_of(target.path);
        bool number = false;
        const int descriptor = last_part(target.path).toInt(&number);
        if (number && descriptor >= 0 && is_own_open_files_folder(folder)) {
            target.own_descriptor = descriptor;
            return target;
        }
        char link[PATH_MAX];
        const ssize_t size = ::readlink(target.path.constData(), link, sizeof link);
        if (size < 0 || size == ssize_t(sizeof link)) {
            target.error = size < 0 ? errno : ENAMETOOLONG;
            return target;
        }
        const QByteArray to(link, size);
        target.path = to.startsWith('/') ? to : folder + '/' + to;
    }
}

QByteArray folder_of(const QByteArray &native)
{
    const qsizetype slash = native.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : native.left(slash);
}

QByteArray last_part(const QByteArray &native)
{
    return native.mid(native.lastIndexOf('/') + 1);
}

} // namespace common
