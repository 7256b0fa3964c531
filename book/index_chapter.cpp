// 索引: the book's terms in the order of their readings (五十音順), each with its reading beside it and
// the pages that use it; terms in Latin letters first, in alphabetical order.
#include "book/book_chapters.h"

#include <algorithm>

namespace book {

namespace {

struct Term {
    QString term;
    QString reading;  // in hiragana; empty for a term in Latin letters
};

const QList<Term> &terms()
{
    static const QList<Term> list = {
        {"JSON", {}}, {"Morvik", {}}, {"PDF保存", {}}, {"Tavrelファイル", {}}, {"curdir", {}},
        {"アーム長比", "あーむちょうひ"}, {"安全率", "あんぜんりつ"}, {"異形鋼棒断面積表", "いけいこうぼうだんめんせきひょう"},
        {"印刷", "いんさつ"}, {"インストール", "いんすとーる"}, {"浮上り", "うきあがり"}, {"内幅", "うちはば"},
        {"外水位", "がいすいい"}, {"拡張子", "かくちょうし"}, {"かぶり", "かぶり"}, {"片持ばり", "かたもちばり"},
        {"換算", "かんさん"}, {"起動", "きどう"}, {"基礎地盤", "きそじばん"}, {"許容応力度", "きょようおうりょくど"},
        {"許容支持力度", "きょようしじりょくど"}, {"クーロン", "くーろん"}, {"計算画面", "けいさんがめん"},
        {"計算例", "けいさんれい"}, {"形状寸法", "けいじょうすんぽう"}, {"コマンドライン", "こまんどらいん"},
        {"載荷重", "さいかじゅう"}, {"最大地盤反力度", "さいだいじばんはんりょくど"}, {"削除", "さくじょ"},
        {"左欄", "さらん"}, {"地震時", "じしんじ"}, {"湿潤単位体積重量", "しつじゅんたんいたいせきじゅうりょう"},
        {"終了確認", "しゅうりょうかくにん"}, {"終了コード", "しゅうりょうこーど"}, {"主働土圧", "しゅどうどあつ"},
        {"主働土圧係数", "しゅどうどあつけいすう"}, {"水圧", "すいあつ"}, {"水中単位体積重量", "すいちゅうたんいたいせきじゅうりょう"},
        {"数値の読み方", "すうちのよみかた"}, {"静水圧", "せいすいあつ"}, {"せん断応力度", "せんだんおうりょくど"},
        {"せん断力", "せんだんりょく"}, {"側壁", "そくへき"}, {"断面積", "だんめんせき"}, {"単位体積重量", "たんいたいせきじゅうりょう"},
        {"単位幅", "たんいはば"}, {"単鉄筋", "たんてっきん"}, {"地下水位", "ちかすいい"}, {"中立軸比", "ちゅうりつじくひ"},
        {"底版", "ていばん"}, {"底版反力", "ていばんはんりょく"}, {"鉄筋比", "てっきんひ"}, {"天端", "てんば"},
        {"内部摩擦角", "ないぶまさつかく"}, {"入力データ確認", "にゅうりょくでーたかくにん"},
        {"判定", "はんてい"}, {"バージョン情報", "ばーじょんじょうほう"}, {"ハンチ", "はんち"}, {"引張応力度", "ひっぱりおうりょくど"},
        {"表示の桁", "ひょうじのけた"}, {"付着応力度", "ふちゃくおうりょくど"}, {"部材の応力度照査", "ぶざいのおうりょくどしょうさ"}, {"浮力", "ふりょく"},
        {"プリンタ", "ぷりんた"}, {"プレビュー", "ぷれびゅー"}, {"ページボタン", "ぺーじぼたん"},
        {"壁高", "へきこう"}, {"壁面摩擦角", "へきめんまさつかく"}, {"報告書", "ほうこくしょ"},
        {"曲げ圧縮応力度", "まげあっしゅくおうりょくど"}, {"曲げモーメント", "まげもーめんと"}, {"丸め", "まるめ"},
        {"メッセージ", "めっせーじ"}, {"メニュー", "めにゅー"}, {"模式図", "もしきず"}, {"文字コード", "もじこーど"},
        {"ヤング係数比", "やんぐけいすうひ"}, {"有効高さ", "ゆうこうたかさ"}, {"ランチャー", "らんちゃー"},
        {"SD295", {}}, {"SD345", {}}, {"構造計算書", "こうぞうけいさんしょ"}, {"計算書の設定", "けいさんしょのせってい"},
        {"設計条件", "せっけいじょうけん"}, {"結果一覧", "けっかいちらん"}, {"表紙", "ひょうし"}, {"目次", "もくじ"}, {"作成日", "さくせいび"},
        {"使用材料", "しようざいりょう"}, {"総厚", "そうあつ"}, {"引張側", "ひっぱりがわ"}, {"ピッチ", "ぴっち"},
        {"本数", "ほんすう"}, {"未計算", "みけいさん"},
    };
    return list;
}

const QString vowels_of_rows[] = {
    QStringLiteral("あかさたなはまやらわがざだばぱぁゃゎ"), QStringLiteral("いきしちにひみりぎじぢびぴぃ"),
    QStringLiteral("うくすつぬふむゆるぐずづぶぷぅっゅゔ"), QStringLiteral("えけせてねへめれげぜでべぺぇ"),
    QStringLiteral("おこそとのほもよろをごぞどぼぽぉょ"),
};

// The reading as a dictionary orders it: small kana as large ones, voiced ones as their plain kana,
// the long-vowel mark as the vowel it lengthens; ties broken by the reading itself.
QString sort_key(const QString &reading)
{
    static const QString voiced = QStringLiteral("がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉっゃゅょゎゔ");
    static const QString plain = QStringLiteral("かきくけこさしすせそたちつてとはひふへほはひふへほあいうえおつやゆよわう");
    QString key;
    for (const QChar c : reading) {
        QChar k = c;
        if (const qsizetype at = voiced.indexOf(c); at >= 0)
            k = plain[at];
        if (c == u'ー' && !key.isEmpty()) {
            for (int v = 0; v < 5; ++v) {
                if (vowels_of_rows[v].contains(key.back()))
                    k = QStringLiteral("あいうえお")[v];
            }
        }
        key += k;
    }
    return key + u'\t' + reading;
}

// The row of the syllabary a reading starts in: "あ", "か", … "わ".
QString syllabary_row(const QString &key)
{
    static const QString rows[] = {QStringLiteral("あいうえお"), QStringLiteral("かきくけこ"), QStringLiteral("さしすせそ"),
                                   QStringLiteral("たちつてと"), QStringLiteral("なにぬねの"), QStringLiteral("はひふへほ"),
                                   QStringLiteral("まみむめも"), QStringLiteral("やゆよ"),     QStringLiteral("らりるれろ"),
                                   QStringLiteral("わをん")};
    for (const QString &row : rows) {
        if (!key.isEmpty() && row.contains(key.front()))
            return row.left(1) + QStringLiteral("行");
    }
    return {};
}

// "5, 12–14, 20": the pages, consecutive ones as a range, which leads to its first page.
QList<PageNumber> page_list(const QList<int> &pages)
{
    QList<PageNumber> numbers;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        qsizetype last = i;
        while (last + 1 < pages.size() && pages[last + 1] == pages[last] + 1)
            ++last;
        numbers.append({last == i ? QString::number(pages[i] + 1)
                                  : QStringLiteral("%1–%2").arg(pages[i] + 1).arg(pages[last] + 1),
                        pages[i]});
        i = last;
    }
    return numbers;
}

// Whether a term is written in kana alone, so that its reading would only repeat it.
bool in_kana(const QString &term)
{
    return std::all_of(term.begin(), term.end(), [](QChar c) {
        return (c.unicode() >= 0x3041 && c.unicode() <= 0x30FF);
    });
}

} // namespace

void write_index(BookLayout &book, const QHash<int, QString> &page_texts, QStringList &problems)
{
    book.chapter(QStringLiteral("索引"));
    book.paragraph(QStringLiteral("英字の語を先に、続いて読みの五十音順に並べています。数字はページです。"));
    QList<Term> sorted = terms();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Term &a, const Term &b) {
        if (a.reading.isEmpty() != b.reading.isEmpty())
            return a.reading.isEmpty();
        if (a.reading.isEmpty())
            return a.term.compare(b.term, Qt::CaseInsensitive) < 0;
        return sort_key(a.reading) < sort_key(b.reading);
    });
    QList<int> pages_in_order = page_texts.keys();
    std::sort(pages_in_order.begin(), pages_in_order.end());
    QString group;
    for (const Term &term : sorted) {
        const QString row = term.reading.isEmpty() ? QStringLiteral("英字") : syllabary_row(sort_key(term.reading));
        if (row != group) {
            group = row;
            book.heading(row);
        }
        QList<int> pages;
        for (int page : pages_in_order) {
            if (page_texts.value(page).contains(term.term))
                pages.append(page);
        }
        if (pages.isEmpty() && !page_texts.isEmpty())
            problems.append(QStringLiteral("索引の語「%1」を使うページがありません").arg(term.term));
        const QString entry = term.reading.isEmpty() || in_kana(term.term)
                                  ? term.term
                                  : term.term + QStringLiteral("（") + term.reading + QStringLiteral("）");
        book.leader_line(entry, page_list(pages));
    }
}

} // namespace book
