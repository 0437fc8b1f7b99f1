#include "engine/KeystrokeProtocol.h"

#include "engine/KanaRules.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Clock.h"

namespace zr {

void AppendUnitPositions(QList<PositionRecord> &positions, const QList<KanaUnit> &units, int word)
{
    for (const KanaUnit &unit : units) {
        for (qsizetype k = 0; k < unit.keys.size(); ++k)
            positions.append({unit.kana, unit.keys, unit.keys[k], int(k), word, QString()});
    }
}

QString KeysOf(const QList<PositionRecord> &positions)
{
    QString keys;
    keys.reserve(positions.size());
    for (const PositionRecord &p : positions)
        keys += p.key;
    return keys;
}

KeystrokeProtocol::KeystrokeProtocol(KeyStats &stats, Options options, QObject *parent)
    : QObject(parent), stats_(stats), options_(std::move(options))
{
}

void KeystrokeProtocol::startRun()
{
    positions_.clear();
    cursor_ = 0;
    firstScreen_ = true;
    running_ = false;
    startTime_ = 0;
    unitsTyped_ = keyHits_ = positionsMissed_ = 0;
    missFlg_ = 0;
    buff_ = 0;
}

void KeystrokeProtocol::setScreen(QList<PositionRecord> positions, bool firstOfRun)
{
    positions_ = std::move(positions);
    cursor_ = 0;
    firstScreen_ = firstOfRun;
}

QChar KeystrokeProtocol::expectedKey() const
{
    return screenComplete() ? QChar() : positions_.at(cursor_).key;
}

void KeystrokeProtocol::keyPress(QChar typed)
{
    if (options_.soundOnEveryKey)
        PlayFeedbackSound(options_.typeSound);
    if (typed.unicode() < 32)
        return;
    if (options_.marksKeyboard)
        emit keyMarked(QChar(char16_t(buff_)), NormalKey, false, true);
    if (screenComplete())
        return;

    const QChar t = typed.toLower();
    const QChar e = positions_.at(cursor_).key;
    if (t == e || takesOtherSpelling(t)) {
        KeyPressHit(t, RealKey);
    } else if (cursor_ == 0) {
        KeyPressMiss(typed);
    } else if (singleNApplies()) {
        // The n typed for ん stands for both of its keys; the key after it begins the
        // next unit, in any of its spellings.
        KeyPressHit(QChar(u'n'), ShortcutKey);
        if (!screenComplete() && (t == positions_.at(cursor_).key || takesOtherSpelling(t)))
            KeyPressHit(t, RealKey);
        else
            KeyPressMiss(typed);
    } else {
        KeyPressMiss(typed);
    }
    if (screenComplete())
        emit screenCompleted();
}

bool KeystrokeProtocol::singleNApplies() const
{
    // Only the second key of ん typed as "nn" can be left out, and only when the key
    // after it could not join a single n into another kana.
    const PositionRecord &p = positions_.at(cursor_);
    if (p.kana != KanaRules::Syllabic || p.offset != 1 || p.unitKeys != u"nn" || cursor_ + 1 >= positions_.size())
        return false;
    const PositionRecord &next = positions_.at(cursor_ + 1);
    return next.key != u' ' && !KanaRules::NeedsSecondNBefore(next.kana);
}

bool KeystrokeProtocol::takesOtherSpelling(QChar key)
{
    if (!options_.spellings)
        return false;
    const PositionRecord &p = positions_.at(cursor_);
    const int first = cursor_ - p.offset;
    const int removed = int(p.unitKeys.size());
    // The separator has no spellings; a unit must lie whole on the screen.
    if (removed == 0 || first < 0 || first + removed > positions_.size())
        return false;
    const QString keys = options_.spellings->continuing(p.kana, QStringView(p.unitKeys).left(p.offset), key);
    if (keys.isEmpty())
        return false;

    // The keys typed so far are the new spelling's first keys too, so the cursor stays
    // where it is and only the unit's positions change.
    const QString kana = p.kana;
    const int word = p.word;
    const QString written = positions_.at(first + removed - 1).written;
    const int added = int(keys.size());
    if (added > removed)
        positions_.insert(first + removed, added - removed, PositionRecord{});
    else if (added < removed)
        positions_.remove(first + added, removed - added);
    for (int k = 0; k < added; ++k)
        positions_[first + k] = {kana, keys, keys.at(k), k, word, QString()};
    positions_[first + added - 1].written = written;
    emit spellingSwitched(first, removed, added);
    return true;
}

void KeystrokeProtocol::startTiming()
{
    startTime_ = Clock::current().now();
    running_ = true;
    SwResetCount();
    SwStartCount();
    emit timingStarted();
}

void KeystrokeProtocol::KeyPressHit(QChar KeyCode, int CNT)
{
    if (!options_.soundOnEveryKey)
        PlayFeedbackSound(options_.typeSound);
    // Copies: a window reacting to the signals may already set the next screen.
    const QChar expected = positions_.at(cursor_).key;
    const bool beginsUnit = positions_.at(cursor_).offset == 0;
    if (options_.marksKeyboard)
        emit keyMarked(expected, NormalKey, false, true);
    emit errorCleared();
    if (isFirstKeyOfRun())
        startTiming();
    if (beginsUnit)
        unitsTyped_ += 1;
    const int typedAt = cursor_;
    cursor_ += 1;
    missFlg_ = 0;
    // The key supplied by the shortcut takes no time of its own: the stopwatch keeps
    // running for the key that was really typed.
    if (CNT == RealKey) {
        keyHits_ += 1;
        stats_.addHit(KeyCode.toLower(), SwGetCount());
        SwResetCount();
        SwStartCount();
    }
    emit keyAccepted(typedAt);
}

void KeystrokeProtocol::KeyPressMiss(QChar KeyCode)
{
    const QChar expected = positions_.at(cursor_).key;
    const int word = positions_.at(cursor_).word;
    // The same meaning as in the key position check: the key to type is the one to
    // look at, with its finger; the wrong key shows as just pressed.
    if (options_.marksKeyboard) {
        emit keyMarked(expected, NextKey, true, false);
        emit keyMarked(KeyCode.toLower(), PressedKey, false, false);
    }
    buff_ = KeyCode.unicode();
    emit missShown(expected, KeyCode);
    if (missFlg_ != cursor_ + 1) {
        positionsMissed_ += 1;
        stats_.addMiss(expected);
        missFlg_ = cursor_ + 1;
        if (options_.tracksMissedWords)
            emit wordMissed(word);
    }
    if (isFirstKeyOfRun())
        startTiming();
    PlayFeedbackSound(options_.errorSound);
}

}  // namespace zr
