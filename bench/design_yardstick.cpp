// Times 自動配筋 on a .tvl file's flume: the search for the six members, against the yardstick of
// checking every arrangement of the lists once through the member check as a user's table would
// (each arrangement put into all six members, check_members run once for it). Not a test: run it
// through scripts/bench-design.sh.
// Usage: design_yardstick FILE.tvl [rounds]
#include "flume/full_check.h"
#include "inputfile/tvl_file.h"
#include "members/auto_reinforcement.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The least of the rounds' times in µs: the time the work takes when nothing else gets in the way.
template <typename Work>
double least_microseconds(int rounds, Work work)
{
    double least = 1e18;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        least = std::min(least, timer.nsecsElapsed() / 1000.0);
    }
    return least;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: design_yardstick FILE.tvl [rounds]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    inputfile::TvlContents contents;
    if (!inputfile::read_tvl_file(QString::fromLocal8Bit(argv[1]), contents)) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 2;
    }
    const flume::WalkedFlume walked = flume::walk_flume(contents.inputs);
    const members::MemberCheckInputs &inputs = contents.members;
    const members::SearchLists lists = members::search_lists(inputs.design_lists);

    std::array<members::MemberDesign, members::member_count> designs;
    const double search = least_microseconds(rounds, [&] { designs = members::design_members(inputs, *walked.sheet); });

    std::size_t passing = 0, arrangements = 0;
    const double every = least_microseconds(rounds, [&] {
        passing = arrangements = 0;
        for (const members::BarSize &bar : lists.bars) {
            for (const QString &pitch : lists.pitches) {
                members::MemberCheckInputs tried = inputs;
                for (members::MemberInputs &member : tried.members) {
                    member.bar = QString::fromLatin1(bar.name);
                    member.spacing = members::Spacing::Pitch;
                    member.spacing_text = pitch;
                }
                const members::MemberCheckReport report = members::check_members(tried, *walked.sheet);
                for (const members::MemberResult &m : report.members) {
                    ++arrangements;
                    passing += m.verdict == members::Verdict::Ok;
                }
            }
        }
    });

    for (std::size_t i = 0; i < members::member_count; ++i) {
        const members::MemberDesign &d = designs[i];
        std::printf("  %s  %s\n", qPrintable(flume::member_title(flume::member_forces[i])),
                    qPrintable(d.found ? d.bar + QStringLiteral(" @") + d.pitch + QStringLiteral("  ") + d.governing
                                       : members::design_note(d)));
    }
    std::printf("arrangements checked:        %zu (%zu pass)\n", arrangements, passing);
    std::printf("search, six members:         %.0f µs\n", search);
    std::printf("every arrangement once:      %.0f µs\n", every);
    std::printf("search / every arrangement:  %.2f\n", search / every);
    return 0;
}
