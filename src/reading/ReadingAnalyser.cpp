#include "reading/ReadingAnalyser.h"

#include "reading/NumberReading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <mecab.h>

#include <optional>
#include <vector>

namespace zr {
namespace {

// IPADIC's fields: part of speech in 0 and 1, the reading in 7 (8 is the pronunciation,
// which a learner does not type: は as わ).
constexpr int kReadingField = 7;

// Punctuation a learner types as it stands, and the other spellings of it.
QChar typedPunctuation(QChar c)
{
    static const QString from = QStringLiteral(u"、。「」・？！；：＠～（）?!;:@~()､｡｢｣･，．〜");
    static const QString to = QStringLiteral(u"、。「」・？！；：＠～（）？！；：＠～（）、。「」・、。～");
    const qsizetype i = from.indexOf(c);
    return i < 0 ? QChar() : to[i];
}

bool isNumeralChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'０' && u <= u'９')
           || QStringView(u"〇一二三四五六七八九零十百千万億").contains(c);
}

bool isArabicDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'０' && u <= u'９');
}

// The fields of a MeCab feature string: comma-separated, a field with a comma in quotes.
QStringList features(const char *feature)
{
    QStringList out;
    QString field;
    bool quoted = false;
    for (const QChar c : QString::fromUtf8(feature)) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            out.append(std::exchange(field, QString()));
        else
            field.append(c);
    }
    out.append(field);
    return out;
}

struct Token {
    int start = 0;
    int length = 0;
    QString surface;
    QStringList features;
    bool known = true;

    int end() const { return start + length; }
    bool partOfSpeech(const char16_t *first, const char16_t *second) const
    {
        return features.size() > 1 && features[0] == QStringView(first) && features[1] == QStringView(second);
    }
    QString reading() const
    {
        return known && features.size() > kReadingField && features[kReadingField] != u"*"
                   ? features[kReadingField]
                   : QString();
    }
};

bool isNumeralToken(const Token &t)
{
    return (t.partOfSpeech(u"名詞", u"数") || !t.known) && !t.surface.isEmpty()
           && std::all_of(t.surface.begin(), t.surface.end(), isNumeralChar);
}

bool isSeparatorToken(const Token &t)
{
    return t.surface == u"," || t.surface == u"，";
}

// A word naming a month, after which a day is a date: 五月, 12月, 今月.
bool isMonthWord(const QString &surface)
{
    static const QStringList relative = {QStringLiteral("今月"), QStringLiteral("先月"), QStringLiteral("来月"),
                                         QStringLiteral("毎月"), QStringLiteral("翌月"), QStringLiteral("同月"),
                                         QStringLiteral("前月")};
    if (relative.contains(surface))
        return true;
    return surface.size() >= 2 && surface.back() == u'月' && ParseNumber(QStringView(surface).chopped(1));
}

// Where the dictionary's first choice is not what most writers mean. 日本 is にほん in
// everyday text (the dictionary prefers にっぽん); 後 alone is あと; a few words whose
// dictionary reading is the rarer one.
QString preferredReading(const std::vector<Token> &tokens, size_t i, const QString &reading)
{
    const Token &t = tokens[i];
    if (t.surface.startsWith(u"日本") && reading.startsWith(u"にっぽん"))
        return QStringLiteral("にほん") + reading.mid(4);
    static const struct {
        const char16_t *surface;
        const char16_t *reading;
    } kWords[] = {
        {u"その後", u"そのあと"}, {u"大勢", u"おおぜい"}, {u"宝物", u"たからもの"}, {u"分別", u"ぶんべつ"},
        {u"御礼", u"おんれい"},
    };
    for (const auto &w : kWords) {
        if (t.surface == QStringView(w.surface))
            return QString::fromUtf16(w.reading);
    }
    if (t.surface == u"後" && t.features.value(0) == u"名詞" && t.features.value(1) != u"接尾")
        return QStringLiteral("あと");
    const bool afterNoun = i > 0 && tokens[i - 1].end() == t.start && tokens[i - 1].features.value(0) == u"名詞"
                           && tokens[i - 1].features.value(1) != u"数";
    // Voiced after a noun: 運動不足 うんどうぶそく, 通信会社 つうしんがいしゃ, 本棚 ほんだな.
    static const struct {
        const char16_t *surface;
        const char16_t *reading;
    } kVoiced[] = {{u"不足", u"ぶそく"}, {u"会社", u"がいしゃ"}, {u"棚", u"だな"}};
    for (const auto &w : kVoiced) {
        if (afterNoun && t.surface == QStringView(w.surface))
            return QString::fromUtf16(w.reading);
    }
    // 中 is ちゅう after a noun (午前中, 工事中), なか elsewhere (忙しい中, 中から); the
    // dictionary takes お忙しい for a noun.
    if (t.surface == u"中" && t.features.value(0) == u"名詞")
        return afterNoun && !tokens[i - 1].surface.endsWith(u'い') ? QStringLiteral("ちゅう") : QStringLiteral("なか");
    // Two words the dictionary splits and reads the rarer way.
    static const struct {
        const char16_t *before;
        const char16_t *surface;
        const char16_t *reading;
    } kPairs[] = {{u"洗濯", u"物", u"もの"}, {u"盛り", u"付け", u"つけ"}, {u"忘れ", u"物", u"もの"}};
    for (const auto &w : kPairs) {
        if (i > 0 && tokens[i - 1].end() == t.start && tokens[i - 1].surface == QStringView(w.before)
            && t.surface == QStringView(w.surface))
            return QString::fromUtf16(w.reading);
    }
    // 大 read おお before these: 大掃除, 大喜び, 大雨.
    if (t.surface == u"大" && t.features.value(0) == u"接頭詞" && i + 1 < tokens.size()) {
        static const QStringList native = {
            QStringLiteral("掃除"), QStringLiteral("喜び"), QStringLiteral("騒ぎ"), QStringLiteral("雨"),
            QStringLiteral("雪"),   QStringLiteral("風"),   QStringLiteral("声"),   QStringLiteral("通り"),
            QStringLiteral("急ぎ"), QStringLiteral("笑い"), QStringLiteral("仕事"), QStringLiteral("違い"),
            QStringLiteral("広間"), QStringLiteral("慌て"), QStringLiteral("盛り"), QStringLiteral("入り"),
        };
        if (native.contains(tokens[i + 1].surface))
            return QStringLiteral("おお");
    }
    // じょ in these places: 投票所, 停留所, 案内所, 研究所.
    if (t.surface == u"所" && i > 0 && tokens[i - 1].end() == t.start) {
        static const QStringList voiced = {
            QStringLiteral("投票"), QStringLiteral("停留"), QStringLiteral("案内"), QStringLiteral("休憩"),
            QStringLiteral("避難"), QStringLiteral("診療"), QStringLiteral("託児"), QStringLiteral("保健"),
            QStringLiteral("研究"), QStringLiteral("相談"), QStringLiteral("救護"), QStringLiteral("発着"),
        };
        if (voiced.contains(tokens[i - 1].surface))
            return QStringLiteral("じょ");
    }
    return reading;
}

// Words counted in native numbers after one and two: 一晩 ひとばん, 二駅 ふたえき.
bool countsNatively(const QString &surface)
{
    static const QStringList words = {
        QStringLiteral("晩"), QStringLiteral("駅"), QStringLiteral("切れ"), QStringLiteral("口"),
        QStringLiteral("言"), QStringLiteral("息"), QStringLiteral("箱"), QStringLiteral("袋"),
        QStringLiteral("粒"), QStringLiteral("皿"), QStringLiteral("束"), QStringLiteral("組"),
        QStringLiteral("通り"), QStringLiteral("休み"), QStringLiteral("筋"), QStringLiteral("桁"),
    };
    return words.contains(surface);
}

int columnOf(QStringView line, int start)
{
    int column = 1;
    for (int i = 0; i < start; ++i) {
        if (!(line[i].isLowSurrogate() && i > 0 && line[i - 1].isHighSurrogate()))
            ++column;
    }
    return column;
}

}  // namespace

struct ReadingAnalyser::Impl {
    MeCab::Model *model = nullptr;
    MeCab::Tagger *tagger = nullptr;
    ~Impl()
    {
        delete tagger;
        delete model;
    }
};

QString LineReading::reading(qsizetype first, qsizetype last) const
{
    if (last < 0 || last > parts.size())
        last = parts.size();
    QString out;
    for (qsizetype i = first; i < last; ++i)
        out += parts[i].known ? parts[i].reading : u'[' + parts[i].reading + u']';
    return out;
}

bool IsTypableReading(QStringView reading)
{
    if (reading.isEmpty())
        return false;
    for (const QChar c : reading) {
        const char16_t u = c.unicode();
        if ((u >= 0x3041 && u <= 0x3093) || u == u'ヴ' || u == u'ー')
            continue;
        if (QStringView(u"、。「」・？！；：＠～（）").contains(c))
            continue;
        return false;
    }
    return true;
}

std::optional<QString> KanaToHiragana(QStringView text)
{
    QString wide = text.toString();
    if (std::any_of(wide.begin(), wide.end(), [](QChar c) { return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F; }))
        wide = wide.normalized(QString::NormalizationForm_KC);
    if (wide.isEmpty())
        return std::nullopt;
    for (QChar &c : wide) {
        const char16_t u = c.unicode();
        if (u >= 0x30A1 && u <= 0x30F3)
            c = QChar(u - 0x60);
        else if (!((u >= 0x3041 && u <= 0x3093) || u == u'ヴ' || u == u'ー' || u == u'・'))
            return std::nullopt;
    }
    return wide;
}

QString ReadingAnalyser::DefaultDictionaryFolder()
{
    return QStringLiteral("/var/lib/mecab/dic/ipadic-utf8");
}

ReadingAnalyser::ReadingAnalyser(const QString &dictionaryFolder) : impl_(std::make_unique<Impl>()), folder_(dictionaryFolder)
{
    if (!QFileInfo(dictionaryFolder + QStringLiteral("/sys.dic")).isFile()) {
        status_ = Status::Missing;
        return;
    }
    // The learner's own MeCab settings (~/.mecabrc, a user dictionary, an output format)
    // are left out: an empty settings file, and the dictionary named outright.
    QByteArray program("zorvel-lesson"), rc("-r"), rcFile("/dev/null"), d("-d"), folder = QFile::encodeName(dictionaryFolder);
    char *argv[] = {program.data(), rc.data(), rcFile.data(), d.data(), folder.data()};
    impl_->model = MeCab::createModel(5, argv);
    if (!impl_->model) {
        status_ = Status::Missing;
        detail_ = QString::fromUtf8(MeCab::getLastError());
        return;
    }
    const MeCab::DictionaryInfo *info = impl_->model->dictionary_info();
    const QString charset = info && info->charset ? QString::fromLatin1(info->charset) : QString();
    if (charset.compare(u"UTF-8", Qt::CaseInsensitive) != 0 && charset.compare(u"UTF8", Qt::CaseInsensitive) != 0) {
        status_ = Status::NotUtf8;
        detail_ = charset;
        delete impl_->model;
        impl_->model = nullptr;
        return;
    }
    impl_->tagger = impl_->model->createTagger();
    if (!impl_->tagger) {
        status_ = Status::Missing;
        detail_ = QString::fromUtf8(MeCab::getLastError());
        return;
    }
    status_ = Status::Ready;
}

ReadingAnalyser::~ReadingAnalyser() = default;

const ReadingAnalyser &DefaultReadingAnalyser()
{
    static const ReadingAnalyser analyser;
    return analyser;
}

QString ReadingAnalyser::problem() const
{
    const QString folder = QDir::toNativeSeparators(folder_);
    switch (status_) {
    case Status::Ready:
        return {};
    case Status::Missing:
        return QCoreApplication::translate("ReadingAnalyser", "読みを付ける辞書「%1」がありません。読みを自動で付けるには、パッケージ %2 を"
                              "インストールして下さい（sudo apt install %2）。")
            .arg(folder, QString::fromLatin1(kReadingPackages));
    case Status::NotUtf8:
        return QCoreApplication::translate("ReadingAnalyser", "読みを付ける辞書「%1」の文字コードが UTF-8 ではありません（%2）。"
                              "パッケージ %3 の辞書を使って下さい。")
            .arg(folder, detail_, QString::fromLatin1(kReadingPackages));
    }
    return {};
}

QString ReadingAnalyser::problemInEnglish() const
{
    switch (status_) {
    case Status::Ready:
        return {};
    case Status::Missing:
        return QStringLiteral("no reading dictionary at %1; install the packages %2 (sudo apt install %2)")
            .arg(folder_, QString::fromLatin1(kReadingPackages));
    case Status::NotUtf8:
        return QStringLiteral("the reading dictionary at %1 is in %2, not UTF-8; use the one of the packages %3")
            .arg(folder_, detail_, QString::fromLatin1(kReadingPackages));
    }
    return {};
}

LineReading ReadingAnalyser::readLine(QStringView line, int lineNumber) const
{
    LineReading out;
    if (line.isEmpty())
        return out;
    auto unknownPart = [&](int start, int length) {
        const QString text = line.mid(start, length).toString();
        out.parts.append({start, length, text, false});
        out.unknown.append({lineNumber, columnOf(line, start), text});
    };
    if (!ready()) {
        unknownPart(0, int(line.size()));
        return out;
    }

    // MeCab reads UTF-8 bytes; each byte's line position maps its nodes back.
    QString text = line.toString();
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    const QByteArray bytes = text.toUtf8();
    std::vector<int> position(size_t(bytes.size()) + 1, int(text.size()));
    for (int i = 0, b = 0; i < text.size(); ++i) {
        const int width = text[i].isHighSurrogate() && i + 1 < text.size() ? 4
                          : text[i].unicode() < 0x80                        ? 1
                          : text[i].unicode() < 0x800                       ? 2
                                                                            : 3;
        for (int k = 0; k < width && b < bytes.size(); ++k)
            position[size_t(b++)] = i;
        if (width == 4)
            ++i;
    }

    std::unique_ptr<MeCab::Lattice> lattice(impl_->model->createLattice());
    lattice->set_sentence(bytes.constData(), size_t(bytes.size()));
    if (!impl_->tagger->parse(lattice.get())) {
        unknownPart(0, int(line.size()));
        return out;
    }
    std::vector<Token> tokens;
    for (const MeCab::Node *n = lattice->bos_node(); n; n = n->next) {
        if (n->stat == MECAB_BOS_NODE || n->stat == MECAB_EOS_NODE || n->length == 0)
            continue;
        const qsizetype offset = n->surface - bytes.constData();
        if (offset < 0 || offset + n->length > bytes.size())
            continue;
        Token t;
        t.start = position[size_t(offset)];
        t.length = position[size_t(offset + n->length)] - t.start;
        t.surface = text.mid(t.start, t.length);
        t.features = features(n->feature);
        t.known = n->stat != MECAB_UNK_NODE;
        tokens.push_back(std::move(t));
    }

    // A number and its counter that the dictionary holds as one word (五分 as ごぶ) are
    // read as a number and a counter; an adjective such as 十分 (じゅうぶん) stays.
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token &t = tokens[i];
        if (!t.known || t.features.value(0) != u"名詞" || t.features.value(1) == u"形容動詞語幹"
            || t.features.value(1) == u"数" || t.surface.size() < 2)
            continue;
        for (int split = int(t.surface.size()) - 1; split >= 1; --split) {
            const QString number = t.surface.left(split), counter = t.surface.mid(split);
            if (!std::all_of(number.begin(), number.end(), isNumeralChar) || !ParseNumber(number)
                || CounterOf(counter).counter == Counter::None)
                continue;
            Token head{t.start, split, number, {QStringLiteral("名詞"), QStringLiteral("数")}, true};
            Token tail{t.start + split, int(counter.size()), counter,
                       {QStringLiteral("名詞"), QStringLiteral("接尾"), QStringLiteral("助数詞")}, true};
            tokens[i] = tail;
            tokens.insert(tokens.begin() + qsizetype(i), head);
            ++i;
            break;
        }
    }

    bool monthBefore = false;
    Counter lastCounter = Counter::None;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token &t = tokens[i];
        const bool afterMonth = std::exchange(monthBefore, false);
        const Counter counterBefore = std::exchange(lastCounter, Counter::None);
        // All through a stretch of time: 一日中 いちにちじゅう, 一年中 いちねんじゅう.
        if (t.surface == u"中" && (counterBefore == Counter::Day || counterBefore == Counter::Year)) {
            out.parts.append({t.start, t.length, QStringLiteral("じゅう"), true});
            continue;
        }

        // A number and the counter after it, read as one.
        if (isNumeralToken(t)) {
            size_t j = i + 1;
            while (j < tokens.size() && tokens[j].start == tokens[j - 1].end()) {
                if (isNumeralToken(tokens[j])) {
                    ++j;
                    continue;
                }
                // 3,000: a separator between digits, three digits after it.
                if (isSeparatorToken(tokens[j]) && j + 1 < tokens.size() && isArabicDigit(tokens[j - 1].surface.back())
                    && tokens[j + 1].start == tokens[j].end() && isNumeralToken(tokens[j + 1])) {
                    j += 2;
                    continue;
                }
                break;
            }
            const int start = t.start;
            int end = tokens[j - 1].end();
            if (const std::optional<qint64> value = ParseNumber(line.mid(start, end - start))) {
                QString reading;
                bool month = false;
                Counter counted = Counter::None;
                if (j < tokens.size() && tokens[j].start == end) {
                    const Token &next = tokens[j];
                    CounterWord counter = CounterOf(next.surface);
                    if (counter.counter != Counter::None) {
                        end = next.end();
                        ++j;
                        if (counter.tail.isEmpty() && j < tokens.size() && tokens[j].start == end
                            && tokens[j].surface == u"間" && CounterOf(next.surface + u'間').counter != Counter::None) {
                            counter.tail = QStringLiteral("かん");
                            end = tokens[j].end();
                            ++j;
                        }
                        reading = NumberReading(*value, counter.counter, afterMonth) + counter.tail;
                        month = counter.counter == Counter::Month && counter.tail.isEmpty();
                        counted = counter.counter;
                    } else if ((*value == 1 || *value == 2) && countsNatively(next.surface)) {
                        if (const std::optional<QString> counterReading = KanaToHiragana(next.reading())) {
                            reading = (*value == 1 ? QStringLiteral("ひと") : QStringLiteral("ふた")) + *counterReading;
                            end = next.end();
                            ++j;
                        }
                    } else if (next.partOfSpeech(u"名詞", u"接尾") && next.features.value(2) == u"助数詞") {
                        // A counter in katakana is a unit borrowed whole: 一キロ いちきろ.
                        const bool borrowed = KanaToHiragana(next.surface).has_value();
                        if (const std::optional<QString> counterReading = KanaToHiragana(next.reading())) {
                            reading = borrowed ? NumberReading(*value) + *counterReading
                                               : NumberWithCounterReading(*value, *counterReading);
                            end = next.end();
                            ++j;
                        }
                    }
                }
                if (reading.isEmpty())
                    reading = NumberReading(*value);
                out.parts.append({start, end - start, reading, true});
                monthBefore = month;
                lastCounter = counted;
                i = j - 1;
                continue;
            }
        }

        QString punctuation;
        for (const QChar c : t.surface) {
            const QChar typed = typedPunctuation(c);
            if (typed.isNull()) {
                punctuation.clear();
                break;
            }
            punctuation += typed;
        }
        if (!punctuation.isEmpty()) {
            out.parts.append({t.start, t.length, punctuation, true});
            monthBefore = afterMonth;   // 五月、一日 is still a date
            continue;
        }
        // Kana are typed as written, whatever the dictionary says of them.
        std::optional<QString> reading = KanaToHiragana(t.surface);
        if (!reading && t.known)
            reading = KanaToHiragana(t.reading());
        if (reading && IsTypableReading(*reading)) {
            out.parts.append({t.start, t.length, preferredReading(tokens, i, *reading), true});
            monthBefore = isMonthWord(t.surface);
            continue;
        }
        unknownPart(t.start, t.length);
    }
    return out;
}

}  // namespace zr
