#pragma once

#include "userdata/ProblemFile.h"

#include <QString>

#include <variant>

namespace zr {

// The text sources of problem files (UTF-8):
//
//   # a comment
//   @title 日常の単語
//   @description 一行目
//   @description 二行目 (joined to the first with a line break)
//   赤<TAB>あか
//
// A word source has one word per item line. In a sentence source a blank line ends a
// problem; a problem is 1 to 21 item lines.

struct SourceError {
    int line = 0;        // 1-based; 0 for the file as a whole
    QString message;
};

std::variant<WordDictionary, SourceError> ParseWordSource(QStringView text);
std::variant<SentenceSet, SourceError> ParseSentenceSource(QStringView text);

}  // namespace zr
