#include "TypeCommand.h"

#include "engine/KeyStats.h"
#include "engine/KeystrokeProtocol.h"
#include "keyboard/KanaInput.h"
#include "keyboard/KeyboardModel.h"

namespace zr {

std::optional<QStringList> TypeThroughProtocol(const QString &word, const QString &keys, int course,
                                               const RomajiTable &table, QString *error,
                                               std::shared_ptr<const AcceptedSpellings> spellings)
{
    const RmjConversion conversion = ConvertWord(word, u"", u"", KeyFilterOff, course, table);
    if (conversion.result == 0) {
        *error = QStringLiteral("%1 yields no keys with this table").arg(word);
        return std::nullopt;
    }
    QList<PositionRecord> positions;
    AppendUnitPositions(positions, conversion.units, 0);
    positions.append({QStringLiteral(u"　"), QString(), QChar(u' '), 0, 0, QString()});

    KeyStats stats;
    KeystrokeProtocol::Options options;
    options.spellings = std::move(spellings);
    KeystrokeProtocol protocol(stats, options);
    protocol.startRun();
    protocol.setScreen(positions, true);

    // What one press did, gathered from the protocol's signals.
    QChar judgedAgainst;
    int accepted = 0;
    bool missed = false;
    QObject::connect(&protocol, &KeystrokeProtocol::keyAccepted, [&](int position) {
        judgedAgainst = protocol.positions().at(position).key;
        ++accepted;
    });
    QObject::connect(&protocol, &KeystrokeProtocol::missShown, [&](QChar expected, QChar) {
        judgedAgainst = expected;
        missed = true;
    });

    QStringList lines;
    for (QChar key : keys) {
        QChar typed = key;
        if (course == KanaCourse) {
            const QChar kana = TranslateToKana(0, key, false);
            if (!kana.isNull())
                typed = kana;
        }
        judgedAgainst = protocol.expectedKey();
        accepted = 0;
        missed = false;
        const double hitsBefore = protocol.keyHits();
        protocol.keyPress(typed);
        QString verdict = QStringLiteral("ignored");
        if (missed)
            verdict = QStringLiteral("miss");
        else if (protocol.keyHits() > hitsBefore)
            verdict = QStringLiteral("hit");
        QString line = QString(typed) + u'\t' + verdict + u'\t' + (judgedAgainst.isNull() ? QString() : QString(judgedAgainst));
        // The supplied second n of ん is an acceptance without a hit of its own.
        if (accepted > (missed ? 0 : 1))
            line += QStringLiteral("\tsingle-n");
        lines.append(line);
    }
    lines.append(QStringLiteral("units=%1 hits=%2 missed=%3")
                     .arg(protocol.unitsTyped())
                     .arg(protocol.keyHits())
                     .arg(protocol.positionsMissed()));
    return lines;
}

}  // namespace zr
