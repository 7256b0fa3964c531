#include "tests/support/failing_calls.h"

#include "common/file_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <dlfcn.h>

namespace test_support {

const std::vector<CallFailure> &call_failures()
{
    using W = WhenFailed;
    static const std::vector<CallFailure> table = {
        {"open", EIO, W::Whole},
        {"open", EACCES, W::Whole},
        {"read", EIO, W::Whole},
        {"write", ENOSPC, W::Reported},
        {"write", EIO, W::Reported},
        {"fsync", EIO, W::Reported, true},
        {"fsync-folder", EIO, W::Whole, true},
        {"fchmod", EPERM, W::Whole},
        {"fchown", EPERM, W::Whole},
        {"rename", EIO, W::Reported, true},
        {"rename", EPERM, W::Whole},
        {"rename", EXDEV, W::Whole},
        {"link", EIO, W::Whole},
        {"close", EIO, W::ReportedWhenWriting},
        {"ftruncate", EIO, W::Whole},
        {"fallocate", ENOSPC, W::Whole},
        {"fsetxattr", ENOTSUP, W::Whole},
        {"fgetxattr", EIO, W::Whole},
        {"flistxattr", EIO, W::Whole},
    };
    return table;
}

std::string row_name(const CallFailure &failure)
{
    std::string name = std::string(failure.kind) + '_' + strerrorname_np(failure.error);
    for (char &c : name)
        c = c == '-' ? '_' : c;
    return name;
}

namespace {

std::optional<QByteArray> file_content(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The preload library armed for one save: through the environment for the programs the save
// starts, and in this process when the library is loaded here. The environment is restored after.
class Armed
{
public:
    Armed(const QString &rules, const QString &folder, const QString &report)
    {
        set("TAVREL_FAIL_CALLS", rules.toUtf8());
        set("TAVREL_FAIL_FOLDER", QFile::encodeName(folder));
        set("TAVREL_FAIL_REPORT", QFile::encodeName(report));
        // A save that fails in place keeps the earlier content in the cache folder: the walk's own.
        set("XDG_CACHE_HOME", QFile::encodeName(report + QStringLiteral(".cache")));
        set("LD_PRELOAD", FAIL_CALLS_PATH);
        // A sanitizer's run-time library would otherwise insist on being loaded first.
        set("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        configure();
    }
    ~Armed()
    {
        for (const auto &[name, value] : saved_)
            value ? qputenv(name, *value) : qunsetenv(name);
        configure();
    }
    Armed(const Armed &) = delete;
    Armed &operator=(const Armed &) = delete;

private:
    void set(const char *name, const QByteArray &value)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, value);
    }
    static void configure()
    {
        if (auto configure = reinterpret_cast<void (*)()>(dlsym(RTLD_DEFAULT, "fail_calls_configure")))
            configure();
    }

    std::vector<std::pair<const char *, std::optional<QByteArray>>> saved_;
};

} // namespace

QStringList walk_call_failures(const CallFailure &failure, const SaveTarget &target,
                               const std::function<SaveOutcome()> &save,
                               const std::function<bool(const QByteArray &)> &is_new, const QString &prefix_rules)
{
    constexpr int most_calls = 100;
    QTemporaryDir reports;
    const QString path = QDir(target.folder).filePath(target.name);
    const QString reason = common::describe_file_error(failure.error);
    QStringList problems;
    for (int nth = 1; nth <= most_calls; ++nth) {
        QDir(target.folder).removeRecursively();
        QDir().mkpath(target.folder);
        if (target.earlier) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(*target.earlier) != target.earlier->size())
                return {QStringLiteral("the earlier file could not be written")};
        }
        // The failure walked fails its call first, even where a prefix rule names the same call.
        const QString rule = QStringLiteral("%1:%2:%3").arg(QString::fromLatin1(failure.kind)).arg(nth).arg(failure.error);
        const QString report = reports.filePath(QString::number(nth));
        const SaveOutcome outcome = [&] {
            const Armed armed(prefix_rules.isEmpty() ? rule : rule + u',' + prefix_rules, target.folder, report);
            return save();
        }();

        const std::optional<QByteArray> now = file_content(path);
        const QStringList left = QDir(target.folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                               | QDir::NoDotAndDotDot);
        const QString call = QStringLiteral("%1 #%2 (%3)").arg(QString::fromLatin1(failure.kind)).arg(nth).arg(reason);
        if (!left.isEmpty() && left != QStringList{target.name})
            problems << call + QStringLiteral(": the folder holds ") + left.join(u' ');

        // What the library wrote: that it was in force, and the call it made fail.
        const QList<QByteArray> lines = file_content(report).value_or(QByteArray()).split('\n');
        if (!lines.contains("armed"))
            return {QStringLiteral("the preload library %1 was not in force").arg(QStringLiteral(FAIL_CALLS_PATH))};
        QString fired;
        const QByteArray mine = QByteArray(failure.kind) + ' ' + QByteArray::number(nth) + ' ';
        for (const QByteArray &line : lines)
            fired = line.startsWith(mine) ? QString::fromLatin1(line.mid(mine.size())) : fired;
        if (fired.isEmpty()) {
            // No call left to fail: the save went through undisturbed.
            if (nth == 1 && failure.made_by_every_replace && target.replaced)
                problems << call + QStringLiteral(" never made: the save does not make sure the disk holds the file");
            if (!outcome.ok || !now || !is_new(*now))
                problems << QStringLiteral("%1 not made: the save did not write (%2)").arg(call, outcome.message);
            return problems;
        }
        const bool keeps_earlier = failure.when_failed == WhenFailed::Reported;
        const bool must_fail =
            keeps_earlier || (failure.when_failed == WhenFailed::ReportedWhenWriting && fired == QLatin1String("w"));
        if (outcome.ok) {
            if (must_fail)
                problems << call + QStringLiteral(": the save reported success");
            if (!now || !is_new(*now))
                problems << call + QStringLiteral(": reported written, but the file does not hold the new content");
        } else {
            if (!outcome.message.contains(reason))
                problems << call + QStringLiteral(": the message does not say why: ") + outcome.message;
            if (now != target.earlier && (keeps_earlier || !now || !is_new(*now)))
                problems << call + QStringLiteral(": the earlier file was not kept");
        }
    }
    problems << QStringLiteral("%1 was still called after %2 failures").arg(QString::fromLatin1(failure.kind)).arg(most_calls);
    return problems;
}

} // namespace test_support
