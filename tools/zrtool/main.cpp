// zrtool: the command-line companion of ZORVEL LESSON. It converts words the way the
// practice screens do, lists Chapters and keys, shows and updates learner records,
// reads and writes settings files, reads Japanese text, builds problem files, and lists,
// exports and imports practice logs. Text in and out is UTF-8.
// Exit status: 0 on success, 2 with a one-line message on bad input.

#include "LogCommand.h"
#include "TypeCommand.h"

#include "engine/RmjChk.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "platform/BinaryIO.h"
#include "platform/OleDate.h"
#include "platform/Paths.h"
#include "userdata/ProblemFile.h"
#include "practice/ProblemSource.h"
#include "reading/ReadingAnalyser.h"
#include "userdata/ScoreUpdate.h"
#include "userdata/UserRecord.h"
#include "userdata/Users.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

using namespace zr;

namespace {

const char kUsage[] =
    "usage:\n"
    "  zrtool --version\n"
    "  zrtool rmjchk [--course romaji|kana] [--table FILE] [--use KEYS --target KEYS] WORD...\n"
    "  zrtool chapters [--course romaji|kana] [--file LESSONTABLE]\n"
    "  zrtool keys [--course romaji|kana] CHAR...\n"
    "  zrtool type [--course romaji|kana] [--table FILE] [--any-spelling] WORD KEYS\n"
    "  zrtool user show FILE\n"
    "  zrtool score add FILE --block training|word|sentence --index N --chars X --hits X\n"
    "                        --misses X --seconds S [--today YYYY-MM-DD]\n"
    "  zrtool ini get FILE SECTION KEY\n"
    "  zrtool ini set FILE SECTION KEY VALUE\n"
    "  zrtool problem show FILE\n"
    "  zrtool problem build --word|--sentence [--skip-unknown] [--dictionary DIR] SOURCE OUT\n"
    "  zrtool reading [--dictionary DIR] TEXT...\n"
    "  zrtool log runs FILE [--csv]\n"
    "  zrtool log keys FILE [--since YYYY-MM-DD] [--csv]\n"
    "  zrtool log weak FILE [--days N]\n"
    "  zrtool log export FILE DIR\n"
    "  zrtool log import FILE DIR\n";

// Bad input: the message is printed on one line and the exit status is 2.
struct Failure {
    QString message;
};

[[noreturn]] void fail(const QString &message)
{
    throw Failure{message};
}

void print(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

// The options a command accepts and its positional arguments.
struct Arguments {
    std::map<QString, QString> options;
    QStringList flags;
    QStringList positional;

    QString option(const QString &name, const QString &fallback = QString()) const
    {
        const auto it = options.find(name);
        return it == options.end() ? fallback : it->second;
    }
    bool has(const QString &name) const { return options.count(name) != 0; }
};

Arguments parse(const QStringList &args, const QStringList &valueOptions, const QStringList &flagOptions)
{
    Arguments a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (valueOptions.contains(arg)) {
            if (i + 1 >= args.size())
                fail(arg + QStringLiteral(" needs a value"));
            a.options[arg] = args[++i];
        } else if (flagOptions.contains(arg)) {
            a.flags.append(arg);
        } else if (arg.startsWith(QStringLiteral("--")) && arg.size() > 2) {
            fail(QStringLiteral("unknown option ") + arg);
        } else {
            a.positional.append(arg);
        }
    }
    return a;
}

QString appDir()
{
    return FindAppDir(QCoreApplication::applicationDirPath());
}

int courseOf(const Arguments &a)
{
    const QString course = a.option(QStringLiteral("--course"), QStringLiteral("romaji"));
    if (course == u"romaji")
        return RomajiCourse;
    if (course == u"kana")
        return KanaCourse;
    fail(QStringLiteral("--course must be romaji or kana, not ") + course);
}

double number(const Arguments &a, const QString &name)
{
    if (!a.has(name))
        fail(name + QStringLiteral(" is required"));
    bool ok = false;
    const double v = a.option(name).toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0)
        fail(name + QStringLiteral(" needs a number of 0 or more, not ") + a.option(name));
    return v;
}

QString dateText(double ole)
{
    return dateFromOle(ole).toString(Qt::ISODate);
}

// --- rmjchk and type ---------------------------------------------------------------

// The table of --table, or the course's default table of the installation.
RomajiTable tableOf(const Arguments &a, int course)
{
    const QString tablePath = a.has(QStringLiteral("--table"))
                                  ? a.option(QStringLiteral("--table"))
                                  : ResolvePath(appDir(), DefaultTableFile(course));
    QString error;
    const auto entries = ReadDefaultTable(tablePath, &error);
    if (!entries)
        fail(error);
    RomajiTable table;
    table.load(*entries);
    return table;
}

int runType(const QStringList &args)
{
    const Arguments a = parse(args, {"--course", "--table"}, {"--any-spelling"});
    const int course = courseOf(a);
    if (a.positional.size() != 2)
        fail(QStringLiteral("usage: zrtool type [--course romaji|kana] [--table FILE] [--any-spelling] WORD KEYS"));
    const RomajiTable table = tableOf(a, course);
    std::shared_ptr<const AcceptedSpellings> spellings;
    if (a.flags.contains(QStringLiteral("--any-spelling"))) {
        if (course != RomajiCourse)
            fail(QStringLiteral("--any-spelling is for the romaji course: the kana course types one key per kana"));
        // The spellings of the table typed with (the learner's own) and of the course's
        // default table of the installation.
        QString error;
        const auto defaults = ReadDefaultTable(ResolvePath(appDir(), DefaultTableFile(course)), &error);
        if (!defaults)
            fail(error);
        spellings = std::make_shared<const AcceptedSpellings>(table, *defaults);
    }
    QString error;
    const auto lines = TypeThroughProtocol(a.positional[0], a.positional[1], course, table, &error, spellings);
    if (!lines)
        fail(error);
    for (const QString &line : *lines)
        print(line);
    return 0;
}

int runRmjchk(const QStringList &args)
{
    const Arguments a = parse(args, {"--course", "--table", "--use", "--target"}, {});
    const int course = courseOf(a);
    if (a.has(QStringLiteral("--use")) != a.has(QStringLiteral("--target")))
        fail(QStringLiteral("--use and --target go together"));
    if (a.positional.isEmpty())
        fail(QStringLiteral("no word to convert"));
    const RomajiTable table = tableOf(a, course);
    const bool filter = a.has(QStringLiteral("--use"));
    for (const QString &word : a.positional) {
        const RmjConversion c = ConvertWord(word, a.option(QStringLiteral("--use")),
                                            a.option(QStringLiteral("--target")), filter ? 0 : 1,
                                            course, table);
        print(QString::number(c.result) + u'\t' + c.SpKana + u'\t' + c.Rmj + u'\t' + c.SpRmj);
    }
    return 0;
}

// --- chapters and keys --------------------------------------------------------------

int runChapters(const QStringList &args)
{
    const Arguments a = parse(args, {"--course", "--file"}, {});
    const int course = courseOf(a);
    if (!a.positional.isEmpty())
        fail(QStringLiteral("unexpected argument ") + a.positional.first());
    const QString path = a.has(QStringLiteral("--file")) ? a.option(QStringLiteral("--file"))
                                                         : ResolvePath(appDir(), LessonTableFile(course));
    QString error;
    const auto lines = ReadLessonTable(path, &error);
    if (!lines)
        fail(error);
    const ChapterTable chapters(*lines);
    for (int n = 1; n <= chapters.ChapterCount(); ++n) {
        const Chapter &c = chapters.chapter(n);
        print(QString::number(n) + u'\t' + QString::number(c.kind) + u'\t' + c.TargetKey + u'\t'
              + c.UseKey);
    }
    return 0;
}

int runKeys(const QStringList &args)
{
    const Arguments a = parse(args, {"--course"}, {});
    const int course = courseOf(a);
    if (a.positional.isEmpty())
        fail(QStringLiteral("no character to look up"));
    for (const QString &arg : a.positional) {
        if (arg.size() != 1)
            fail(QStringLiteral("one character an argument, not ") + arg);
        const QChar c = arg.front();
        const KeyPosition k = KeyIndexOf(c, course);
        const int finger = FingerOf(k.index);
        const QChar home = HomeKeyOfFinger(finger, course);
        print(QString::number(k.index) + u'\t' + (k.shift ? u'1' : u'0') + u'\t'
              + QString::number(finger) + u'\t' + (home.isNull() ? QString() : QString(home)) + u'\t'
              + KeyGuideText(c, course).value_or(QString()));
    }
    return 0;
}

// --- user and score ---------------------------------------------------------------

UserRecord loadUser(const QString &path, bool *truncated = nullptr)
{
    if (!QFileInfo(path).isFile())
        fail(path + QStringLiteral(": no such file"));
    QString error;
    std::optional<UserRecord> record = LoadUserRecord(path, &error, truncated);
    if (!record)
        fail(path + QStringLiteral(": ") + error);
    return *record;
}

// A file where one is expected: a device or a pipe, or a file beyond the limit, is
// refused before anything is read or written.
void checkInputFile(const QString &path, qint64 maxBytes)
{
    QString error;
    if (!readFileBounded(path, maxBytes, &error))
        fail(error);
}

// A number of a record; NaN and infinities, which JSON cannot hold, become null.
QJsonValue jsonNumber(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

// The score records of a block that hold anything, with their 1-based index.
QJsonArray scoresJson(const ScoreRecord *scores, int count)
{
    QJsonArray records;
    for (int i = 0; i < count; ++i) {
        const ScoreRecord &s = scores[i];
        if (s.isZero())
            continue;
        QJsonArray days;
        for (size_t d = 0; d < size_t(ScoreRecord::kDays); ++d) {
            const double date = s.DayDate[d];
            days.append(QJsonObject{
                {QStringLiteral("DayChars"), jsonNumber(s.DayChars[d])},
                {QStringLiteral("DayKeys"), jsonNumber(s.DayKeys[d])},
                {QStringLiteral("DayMisses"), jsonNumber(s.DayMisses[d])},
                {QStringLiteral("DayTime"), jsonNumber(s.DayTime[d])},
                {QStringLiteral("DayDate"),
                 date == 0 || !isValidOleDate(date) ? QJsonValue(QJsonValue::Null) : QJsonValue(dateText(date))},
            });
        }
        records.append(QJsonObject{
            {QStringLiteral("index"), i + 1},
            {QStringLiteral("TotalTime"), jsonNumber(s.TotalTime)},
            {QStringLiteral("PracticeCount"), jsonNumber(s.PracticeCount)},
            {QStringLiteral("days"), days},
        });
    }
    return records;
}

void printJson(const QJsonObject &object)
{
    print(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

int runUser(const QStringList &args)
{
    if (args.size() != 2 || args[0] != u"show")
        fail(QStringLiteral("usage: zrtool user show FILE"));
    const UserRecord u = loadUser(args[1]);
    QJsonArray table;
    for (int i = 0; i < RomajiTable::kRows; ++i) {
        const RomajiEntry &e = u.RomajiTable.row(i);
        if (!e.kana.isEmpty() || !e.keys.isEmpty())
            table.append(QJsonArray{e.kana, e.keys});
    }
    printJson(QJsonObject{
        {QStringLiteral("FormatVersion"), u.FormatVersion},
        {QStringLiteral("UserName"), u.UserName},
        {QStringLiteral("Course"), u.Course},
        {QStringLiteral("LessonProgress"), u.LessonProgress},
        {QStringLiteral("TotalPracticeTime"), jsonNumber(u.TotalPracticeTime)},
        {QStringLiteral("TrainingScores"), scoresJson(u.TrainingScores.data(), UserRecord::kChapters)},
        {QStringLiteral("WordScores"), scoresJson(u.WordScores.data(), UserRecord::kSlots)},
        {QStringLiteral("SentenceScores"), scoresJson(u.SentenceScores.data(), UserRecord::kSlots)},
        {QStringLiteral("SpareScores"), scoresJson(u.SpareScores.data(), UserRecord::kSlots)},
        {QStringLiteral("RomajiTable"), table},
    });
    return 0;
}

int runScore(const QStringList &args)
{
    if (args.isEmpty() || args[0] != u"add")
        fail(QStringLiteral("usage: zrtool score add FILE --block ... (see zrtool --help)"));
    const Arguments a = parse(args.mid(1),
                              {"--block", "--index", "--chars", "--hits", "--misses", "--seconds", "--today"},
                              {});
    if (a.positional.size() != 1)
        fail(QStringLiteral("score add takes one FILE"));
    const QString path = a.positional.first();

    const QString blockName = a.option(QStringLiteral("--block"));
    ScoreBlock block;
    if (blockName == u"training")
        block = ScoreBlock::Training;
    else if (blockName == u"word")
        block = ScoreBlock::Word;
    else if (blockName == u"sentence")
        block = ScoreBlock::Sentence;
    else
        fail(QStringLiteral("--block must be training, word or sentence"));

    bool ok = false;
    const int index = a.option(QStringLiteral("--index")).toInt(&ok);
    if (!ok)
        fail(QStringLiteral("--index needs a whole number"));
    const double chars = number(a, QStringLiteral("--chars"));
    const double hits = number(a, QStringLiteral("--hits"));
    const double misses = number(a, QStringLiteral("--misses"));
    const double seconds = number(a, QStringLiteral("--seconds"));
    double today = Today();
    if (a.has(QStringLiteral("--today"))) {
        const QDate date = QDate::fromString(a.option(QStringLiteral("--today")), Qt::ISODate);
        if (!date.isValid())
            fail(QStringLiteral("--today needs a date YYYY-MM-DD"));
        today = toOleDate(date);
    }

    // Held until the record is written back, and shared with the program, which holds
    // it while the learner is current: an update is refused rather than lost.
    UserRecordLock lock(QFileInfo(path).absolutePath());
    if (!lock.tryLock(1000)) {
        if (!lock.heldElsewhere())
            fail(path + QStringLiteral(": cannot lock the record (the folder may be read-only); it is left as it is"));
        const QString holder = lock.holder();
        fail(path + QStringLiteral(": the record is in use") + (holder.isEmpty() ? QString() : QStringLiteral(" by ") + holder)
             + QStringLiteral("; try again when ZORVEL LESSON has let go of this learner"));
    }
    bool truncated = false;
    UserRecord u = loadUser(path, &truncated);
    if (u.FormatVersion != UserRecord::kCurrentVersion)
        fail(path + QStringLiteral(": format version %1; only version 6 records are updated")
                        .arg(u.FormatVersion));
    // What the program would refuse to load is not rewritten: the damaged part would be
    // written back as empty or zero.
    if (truncated)
        fail(path + QStringLiteral(": the record is damaged (it ends before its last field); it is left as it is"));
    if (const RecordProblem problem = CheckUserRecord(u); problem != RecordProblem::None)
        fail(path + QStringLiteral(": ") + RecordProblemText(problem) + QStringLiteral(" It is left as it is."));
    if (!ScoreUpdate(u, block, index, chars, hits, misses, seconds / 86400.0, today))
        fail(QStringLiteral("--index %1 is outside the %2 block").arg(index).arg(blockName));
    QString error;
    if (!SaveUserRecord(path, u, &error))
        fail(path + QStringLiteral(": ") + error);
    return 0;
}

// --- ini ----------------------------------------------------------------------------

int runIni(const QStringList &args)
{
    if ((args.size() == 4 && args[0] == u"get") || (args.size() == 5 && args[0] == u"set")) {
        // A missing file reads as empty and is created by set; anything else must be a
        // settings file.
        if (QFileInfo::exists(args[1]) || QFileInfo(args[1]).isSymLink())
            checkInputFile(args[1], kMaxIniFileBytes);
    }
    if (args.size() == 4 && args[0] == u"get") {
        QString value;
        GetIniString(args[2], args[3], QString(), value, 255, args[1]);
        print(value);
        return 0;
    }
    if (args.size() == 5 && args[0] == u"set") {
        QString why;
        if (!SetIniString(args[2], args[3], args[4], args[1], &why))
            fail(args[1] + QStringLiteral(": cannot write: ") + why);
        return 0;
    }
    fail(QStringLiteral("usage: zrtool ini get FILE SECTION KEY | ini set FILE SECTION KEY VALUE"));
}

// --- problem ------------------------------------------------------------------------

QJsonArray itemsJson(const QList<ProblemItem> &items)
{
    QJsonArray array;
    for (const ProblemItem &item : items)
        array.append(QJsonArray{item.display, item.reading});
    return array;
}

int runProblemShow(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"zrd" && suffix != u"zrw")
        fail(path + QStringLiteral(": the file must end in .zrd or .zrw"));
    if (!QFileInfo(path).isFile())
        fail(path + QStringLiteral(": no such file"));
    if (suffix == u"zrd") {
        const WordDictionary d = ReadWordDictionary(path);
        printJson(QJsonObject{
            {QStringLiteral("kind"), QStringLiteral("word")},
            {QStringLiteral("title"), d.title},
            {QStringLiteral("description"), d.description},
            {QStringLiteral("words"), itemsJson(d.words())},
        });
    } else {
        const SentenceSet s = ReadSentenceSet(path);
        QJsonArray problems;
        for (int p = 1; p <= SentenceSet::kProblems; ++p)
            problems.append(itemsJson(s.lines(p)));
        printJson(QJsonObject{
            {QStringLiteral("kind"), QStringLiteral("sentence")},
            {QStringLiteral("title"), s.title},
            {QStringLiteral("description"), s.description},
            {QStringLiteral("problems"), problems},
        });
    }
    return 0;
}

// The analyser of --dictionary, or of mecab-ipadic-utf8; refused with what to install
// when it cannot read.
const ReadingAnalyser &analyserOf(const Arguments &a, std::unique_ptr<ReadingAnalyser> &holder)
{
    holder = std::make_unique<ReadingAnalyser>(
        a.option(QStringLiteral("--dictionary"), ReadingAnalyser::DefaultDictionaryFolder()));
    return *holder;
}

QString unknownText(const UnknownWord &w)
{
    return QStringLiteral("no reading for 「%1」").arg(w.text);
}

int runProblemBuild(const QStringList &args)
{
    const Arguments a = parse(args, {"--dictionary"}, {"--word", "--sentence", "--skip-unknown"});
    const QStringList kinds = QStringList(a.flags).filter(QRegularExpression(QStringLiteral("^--(word|sentence)$")));
    if (kinds.size() != 1 || a.positional.size() != 2)
        fail(QStringLiteral("usage: zrtool problem build --word|--sentence [--skip-unknown] [--dictionary DIR] SOURCE OUT"));
    const ProblemKind kind = kinds.first() == u"--word" ? ProblemKind::Word : ProblemKind::Sentence;
    const QString source = a.positional[0];
    const QString out = a.positional[1];
    // The text of a problem file is a few hundred kilobytes at most.
    constexpr qint64 kMaxSourceBytes = 16 * 1024 * 1024;
    QString readError;
    const std::optional<QByteArray> read = readFileBounded(source, kMaxSourceBytes, &readError);
    if (!read)
        fail(readError);
    const QString text = QString::fromUtf8(*read);
    if (text.contains(QChar(QChar::ReplacementCharacter)))
        fail(source + QStringLiteral(": not UTF-8 text"));

    auto where = [&](const SourceError &e) {
        return e.line > 0 ? QStringLiteral("%1:%2: %3").arg(source).arg(e.line).arg(e.message)
                          : source + QStringLiteral(": ") + e.message;
    };
    auto parsed = ParseProblemSource(text, kind);
    if (const auto *e = std::get_if<SourceError>(&parsed))
        fail(where(*e));
    const ProblemSource &content = std::get<ProblemSource>(parsed);
    // The dictionary is loaded only for a source with lines to read.
    bool toRead = false;
    for (const auto &problem : content.problems)
        for (const auto &item : problem)
            toRead |= item.reading.isEmpty();
    std::unique_ptr<ReadingAnalyser> analyser;
    ReadingFill fill;
    fill.skipUnknown = a.flags.contains(QStringLiteral("--skip-unknown"));
    if (toRead)
        fill.analyser = &analyserOf(a, analyser);

    const BuildResult built = BuildProblemFile(content, kind, fill, out);
    for (const UnknownWord &w : built.report.unknown)
        std::fprintf(stderr, "zrtool: %s:%d:%d: %s%s\n", qUtf8Printable(source), w.line, w.column,
                     qUtf8Printable(unknownText(w)), fill.skipUnknown ? " (line left out)" : "");
    if (built.error) {
        QString message = where(*built.error);
        if (!built.report.unknown.isEmpty())
            message += QStringLiteral("; give their readings after a TAB, or leave them out with --skip-unknown");
        fail(message);
    }
    if (!built.writeError.isEmpty())
        fail(out + QStringLiteral(": ") + built.writeError);
    return 0;
}

// --- reading ------------------------------------------------------------------------

int runReading(const QStringList &args)
{
    const Arguments a = parse(args, {"--dictionary"}, {});
    if (a.positional.isEmpty())
        fail(QStringLiteral("usage: zrtool reading [--dictionary DIR] TEXT..."));
    std::unique_ptr<ReadingAnalyser> holder;
    const ReadingAnalyser &analyser = analyserOf(a, holder);
    if (!analyser.ready())
        fail(analyser.problemInEnglish());
    bool unknown = false;
    for (const QString &argument : a.positional) {
        const QStringList lines = argument.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].endsWith(u'\r') ? lines[i].chopped(1) : lines[i];
            const LineReading reading = analyser.readLine(line, int(i + 1));
            print(line + u'\t' + reading.reading());
            for (const UnknownWord &w : reading.unknown) {
                std::fprintf(stderr, "zrtool: %s:%d: %s\n", qUtf8Printable(line), w.column, qUtf8Printable(unknownText(w)));
                unknown = true;
            }
        }
    }
    return unknown ? 2 : 0;
}

int runProblem(const QStringList &args)
{
    if (args.size() == 2 && args[0] == u"show")
        return runProblemShow(args[1]);
    if (!args.isEmpty() && args[0] == u"build")
        return runProblemBuild(args.mid(1));
    fail(QStringLiteral("usage: zrtool problem show FILE | problem build --word|--sentence [--skip-unknown] SOURCE OUT"));
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args[0] == u"--help" || args[0] == u"-h") {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    if (args[0] == u"--version") {
        std::printf("zrtool (ZORVEL LESSON) %s\n", ZR_VERSION);
        return 0;
    }
    const std::map<QString, std::function<int(const QStringList &)>> commands = {
        {"rmjchk", runRmjchk}, {"chapters", runChapters}, {"keys", runKeys}, {"type", runType}, {"user", runUser},
        {"score", runScore},   {"ini", runIni},           {"problem", runProblem}, {"reading", runReading},
        {"log", [](const QStringList &a) { return RunLogCommand(a, appDir()); }},
    };
    try {
        const auto it = commands.find(args[0]);
        if (it == commands.end())
            fail(QStringLiteral("unknown command ") + args[0] + QStringLiteral(" (see zrtool --help)"));
        return it->second(args.mid(1));
    } catch (const Failure &f) {
        std::fprintf(stderr, "zrtool: %s\n", qUtf8Printable(f.message));
        return 2;
    }
}
