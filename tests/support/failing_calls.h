#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

// What a save must do when one of its system calls fails. Whatever it does, the file is then the
// earlier one or holds the whole new content, and a failure is reported with its reason.
enum class WhenFailed {
    Reported,             // fail, and keep the earlier file as it was
    ReportedWhenWriting,  // fail when the call was on a file open for writing
    Whole,                // fail, or work round the failure and write the file
};

// A kind of system call (as tests/support/preload/fail_calls.cpp names them) and an error the
// system gives it.
struct CallFailure {
    const char *kind;
    int error;
    WhenFailed when_failed;
    bool made_by_every_replace = false;  // every save through a new file renamed over the target makes it
};

// Every kind of call a save may make on the target's folder, each with a failure it meets.
const std::vector<CallFailure> &call_failures();
std::string row_name(const CallFailure &failure);  // "fsync_EIO"

// Whether a save wrote, and its message: the reason, or a program's error output.
struct SaveOutcome {
    bool ok = false;
    QString message;
};

// Where a walk saves: a folder that holds the target and nothing else a save touches, and the
// file as each save finds it (none: a new file).
struct SaveTarget {
    QString folder;
    QString name;
    std::optional<QByteArray> earlier;
    bool replaced = true;  // the save writes a new file and renames it over the target
};

// Walks one kind of call through a save: in a fresh save each time, the first call of that kind
// fails, then the second, and so on until a save makes no call of that kind that is left to fail.
// Each save must have done what the failure asks (WhenFailed) and must leave nothing in the folder
// but the target. save() runs one save, with the failure armed in this process (when the preload
// library is loaded here) and in the environment of any program it starts; is_new() tells the new
// content. prefix_rules fail further calls in every save ("open:1:13"). Returns one line for
// each check that failed.
QStringList walk_call_failures(const CallFailure &failure, const SaveTarget &target,
                               const std::function<SaveOutcome()> &save,
                               const std::function<bool(const QByteArray &)> &is_new,
                               const QString &prefix_rules = {});

} // namespace test_support
