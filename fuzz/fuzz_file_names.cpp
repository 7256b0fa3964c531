// File names as bytes and as texts: every name the system can give comes back to the very same
// bytes, a name that is valid UTF-8 reads as Qt reads UTF-8, and only bytes that are not UTF-8 stand
// as lone surrogates.
#include "common/file_names.h"

#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool property, const char *what, const QByteArray &bytes)
{
    if (!property) {
        std::fprintf(stderr, "property failed: %s\nbytes: %s\n", what, bytes.toHex(' ').constData());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = common::name_from_native(bytes);
    check(common::native_name(name) == bytes, "a name comes back to its bytes", bytes);

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString read = utf8(bytes);
    if (!utf8.hasError())
        check(name == read, "a UTF-8 name reads as UTF-8", bytes);
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            ++i;
        else if (name[i].isSurrogate())
            check(name[i].unicode() >= 0xDC80 && name[i].unicode() <= 0xDCFF, "a lone surrogate stands for a byte", bytes);
    }
    return 0;
}
