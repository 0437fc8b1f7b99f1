#pragma once

#include "engine/RomajiTable.h"

#include <QList>
#include <QString>

namespace zr {

// One kana unit of a converted word and the keys typed for it.
struct KanaUnit {
    QString kana;
    QString keys;
};

// The whole outcome of converting a word; RmjChk gives the same figures through its
// reference parameters.
struct RmjConversion {
    int result = 0;       // number of units when accepted, else 0
    QString SpKana;       // units, "/" between them
    QString Rmj;          // all keys
    QString SpRmj;        // keys of each unit, "/" between them
    // The units in order. Screens build their key positions from this list, not by
    // cutting SpRmj at "/", since "/" is itself a key (・ is typed as "/").
    QList<KanaUnit> units;
};

// The values of ModeSW: the drill's key filter, or every word that yields keys.
enum RmjChkMode : int { KeyFilterOn = 0, KeyFilterOff = 1 };

// Converts a hiragana word into the keys the learner types.
//
// The romaji course cuts the word into units (a kana with a following small
// ぁぃぅぇぉゃゅょ is one unit; っ joins the unit after it and doubles its first key)
// and looks each unit up in the table; the JIS kana course looks up every character on
// its own. Units the table lacks are dropped.
//
// With ModeSW 0 the word is accepted only when every key is in UseKey and at least one
// is in TargetKey; with any other ModeSW every word that yields keys is accepted. An
// accepted word has no "/" after its last unit.
RmjConversion ConvertWord(QStringView wd, QStringView UseKey, QStringView TargetKey, int ModeSW,
                          int course, const RomajiTable &table);

// The same with the outputs as reference parameters; returns the number of units when
// the word is accepted, else 0.
int RmjChk(QStringView wd, QStringView UseKey, QStringView TargetKey, QString &SpKana,
           QString &Rmj, QString &SpRmj, int ModeSW, int course, const RomajiTable &table);

}  // namespace zr
