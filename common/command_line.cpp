#include "common/command_line.h"

#include "common/file_names.h"

namespace common {

namespace {

bool is_option(const QString &argument)
{
    if (argument.startsWith(QLatin1String("--")))
        return argument.size() > 2 && argument[2].isLetter();
    return argument.size() > 1 && argument[0] == u'-' && argument[1].isLetter();
}

const OptionRule *find_rule(const CommandLineRules &rules, const QString &name)
{
    for (const OptionRule &rule : rules.options) {
        if (rule.name == name)
            return &rule;
    }
    return nullptr;
}

} // namespace

CommandLine read_command_line(const QStringList &arguments, const CommandLineRules &rules)
{
    CommandLine line;
    // Options are checked against the command once the whole line is read, so that
    // "--json --check" is as good as "--check --json".
    QStringList given_options;
    QStringList commands;  // as given, each once
    auto fail = [&line](const QString &error) {
        if (line.error.isEmpty())
            line.error = error;
    };

    bool operands_only = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (operands_only || !is_option(argument)) {
            if (argument == QLatin1String("--") && !operands_only)
                operands_only = true;
            else
                line.operands.append(argument);
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            line.help = true;
        } else if (name == QLatin1String("--version")) {
            line.version = true;
        } else if (rules.commands.contains(name)) {
            if (!commands.contains(name))
                commands.append(name);
        } else if (const OptionRule *rule = find_rule(rules, name)) {
            given_options.append(name);
            if (!rule->takes_value) {
                if (equals >= 0)
                    fail(QStringLiteral("%1 は値を取りません / %1 takes no value").arg(name));
                line.flags.insert(name);
            } else if (equals >= 0 || i + 1 < arguments.size()) {
                const QString value = equals >= 0 ? argument.mid(equals + 1) : arguments[++i];
                line.values.insert(name, value);
                line.value_lists[name].append(value);
            } else {
                fail(QStringLiteral("%1 に値がありません / %1 needs a value").arg(name));
            }
        } else {
            fail(QStringLiteral("不明なオプション / unknown option: %1").arg(argument));
        }
    }
    // A command that is also an option of another ("--batch … --design") is that option there.
    if (commands.size() == 2) {
        for (qsizetype c = 0; c < 2; ++c) {
            const OptionRule *rule = find_rule(rules, commands[1 - c]);
            if (rule && !rule->takes_value && rule->commands.contains(commands[c])) {
                line.flags.insert(commands[1 - c]);
                commands = {commands[c]};
                break;
            }
        }
    }
    if (commands.size() > 1)
        fail(QStringLiteral("%1 と %2 は一緒に使えません / %1 and %2 cannot be used together").arg(commands[0], commands[1]));
    line.command = commands.value(0);
    for (const QString &name : given_options) {
        if (!find_rule(rules, name)->commands.contains(line.command)) {
            fail(line.command.isEmpty() ? QStringLiteral("%1 はコマンドと一緒に使います / %1 goes with a command").arg(name)
                                        : QStringLiteral("%1 は %2 では使えません / %1 does not go with %2")
                                              .arg(name, line.command));
        }
    }
    return line;
}

QStringList program_arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(name_from_native(argv[i]));
    return arguments;
}

} // namespace common
