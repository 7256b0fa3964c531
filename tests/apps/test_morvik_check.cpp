// Runs the built `morvik --check` as a user would, without a display.
#include "tests/support/process_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

using Run = test_support::ProcessRun;

// Runs morvik with no display.
Run run_morvik(const QStringList &arguments)
{
    return test_support::run_process(QStringLiteral(MORVIK_PATH), arguments, test_support::Display::None);
}

const QStringList worked_example = {"10", "100", "20", "1000000", "20000", "30"};

} // namespace

class TestMorvikCheck : public QObject
{
    Q_OBJECT

private slots:
    void plain_output_of_worked_example()
    {
        const Run run = run_morvik(QStringList{"--check"} + worked_example);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const QString expected = QStringLiteral(
            "入力データ\n"
            "  鉄筋量：Ａｓ = 10 （c㎡）\n"
            "  単位巾：ｂ = 100 （ｃm）\n"
            "  (総厚－鉄筋かぶり)：ｄ = 20 （ｃm）\n"
            "  曲げモーメント：Ｍ = 1000000 （N・ｃm）\n"
            "  せん断力：Ｓ = 20000 （N）\n"
            "  鉄筋全周長：Ｕ = 30 （ｃm）\n"
            "計算結果\n"
            "  鉄筋比：Ｐ = 0.0050\n"
            "  ｎ＝15の時：ｋ = 0.319\n"
            "  1-ｋ/3＝ｊ = 0.894\n"
            "  鉄筋コンクリート曲げ圧縮応力度（σｃ） = 175 （N/c㎡） \n"
            "  鉄筋の曲げ引張り応力度（σｓ） = 5593 （N/c㎡） \n"
            "  コンクリートのせん断応力（τ） = 11.19 （N/c㎡）\n"
            "  付着応力度（τo） = 37.29 （N/c㎡）\n");
        QCOMPARE(run.out, expected);
    }

    void plain_output_names_the_message()
    {
        const Run run = run_morvik({"--check", "10", "100", "20", "1000000", "20000", ""});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.contains(QStringLiteral("  鉄筋比：Ｐ = \n")));
        QVERIFY(run.out.endsWith(QStringLiteral("メッセージ [入力データ確認] 数値が入力されていません。\n")));
    }

    void json_output_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<QString>("bond_stress");
        QTest::addColumn<QString>("message");
        QTest::newRow("worked example") << worked_example << 0 << "37.29 （N/c㎡）" << "";
        QTest::newRow("negative forces, values after --")
            << QStringList{"--", "10", "100", "20", "-1000000", "-20000", "30"} << 0 << "-37.29 （N/c㎡）" << "";
        QTest::newRow("As not wholly a number")
            << QStringList{"12abc", "100", "20", "1000000", "20000", "30"} << 1 << ""
            << "数値が入力されていません。";
        QTest::newRow("As negative")
            << QStringList{"-1", "100", "20", "1000000", "20000", "30"} << 1 << "" << "数値が入力されていません。";
    }

    void json_output()
    {
        QFETCH(QStringList, values);
        QFETCH(int, exit_code);
        QFETCH(QString, bond_stress);
        QFETCH(QString, message);
        const Run run = run_morvik(QStringList{"--check", "--json"} + values);
        QCOMPARE(run.status, exit_code);
        QVERIFY(run.out.endsWith(u'\n'));
        QCOMPARE(run.out.count(u'\n'), 1);

        QJsonParseError error;
        const QJsonObject report = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject inputs = report[QStringLiteral("inputs")].toObject();
        const QJsonObject results = report[QStringLiteral("results")].toObject();
        const QJsonArray messages = report[QStringLiteral("messages")].toArray();
        QCOMPARE(inputs.size(), 6);
        QCOMPARE(results.size(), 7);
        values.removeAll(QStringLiteral("--"));
        QCOMPARE(inputs[QStringLiteral("rebar_area")].toString(), values[0]);
        QCOMPARE(inputs[QStringLiteral("bending_moment")].toString(), values[3]);
        QCOMPARE(inputs[QStringLiteral("rebar_perimeter")].toString(), values[5]);
        QCOMPARE(results[QStringLiteral("bond_stress")].toString(), bond_stress);
        if (message.isEmpty()) {
            QVERIFY(messages.isEmpty());
            QCOMPARE(results[QStringLiteral("steel_ratio")].toString(), QStringLiteral("0.0050"));
            QCOMPARE(results[QStringLiteral("concrete_stress")].toString().startsWith(u'-'),
                     bond_stress.startsWith(u'-'));
        } else {
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].toObject()[QStringLiteral("text")].toString(), message);
            QCOMPARE(messages[0].toObject()[QStringLiteral("title")].toString(), QStringLiteral("入力データ確認"));
            for (const QJsonValue &text : results)
                QCOMPARE(text.toString(), QString());
        }
    }

    void wrong_arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("too few values") << QStringList{"--check", "10", "100", "20"};
        QTest::newRow("too many values") << QStringList{"--check", "1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("unknown option") << QStringList{"--check", "--csv", "1", "2", "3", "4", "5", "6"};
        QTest::newRow("two commands") << QStringList{"--check", "--pdf", "1", "2", "3", "4", "5", "6"};
        QTest::newRow("window's force with a command")
            << QStringList{"--check", "--moment", "230700", "1", "2", "3", "4", "5", "6"};
    }

    void wrong_arguments()
    {
        QFETCH(QStringList, arguments);
        const Run run = run_morvik(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.count(u'\n'), 1);
        QVERIFY(run.err.startsWith(QStringLiteral("morvik --check: ")));
    }

    // Help and version need no display: without one, opening the window would abort.
    void help_in_both_languages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("--check --help") << QStringList{"--check", "--help"}
                                        << QStringList{"使い方: morvik --check [--json] As b d M S U",
                                                       "Usage: morvik --check [--json] As b d M S U"};
        QTest::newRow("--help") << QStringList{"--help"}
                                << QStringList{"使い方: morvik [--moment M] [--shear S] [--width b] [--member 部材]",
                                               "Usage: morvik [--moment M] [--shear S] [--width b] [--member MEMBER]",
                                               "--version"};
        QTest::newRow("--version") << QStringList{"--version"} << QStringList{"Morvik バージョン / version 3.01"};
    }
    void help_in_both_languages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        const Run run = run_morvik(arguments);
        QCOMPARE(run.status, 0);
        for (const QString &line : lines)
            QVERIFY2(run.out.contains(line), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestMorvikCheck)
#include "test_morvik_check.moc"
