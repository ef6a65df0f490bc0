// What the checker says, in plain Japanese for a child: each message says
// what is wrong, each hint what to write instead. Shift-JIS, as every text
// of the program. Names of the script are put in 「」.
#pragma once

#include <string>

namespace zep {
namespace texts {

extern const char kBlockComment[];
extern const char kBlockCommentHint[];
extern const char kHashComment[];
extern const char kHashCommentHint[];
extern const char kAndHint[];
extern const char kOrHint[];
extern const char kOpenQuote[];
extern const char kOpenQuoteHint[];
extern const char kOpenParen[];
extern const char kOpenParenHint[];
extern const char kStrayParen[];
extern const char kStrayParenHint[];
extern const char kOpenBrace[];
extern const char kOpenBraceHint[];
extern const char kStrayBrace[];
extern const char kStrayBraceHint[];
extern const char kOutside[];
extern const char kOutsideHint[];
extern const char kNoSectionName[];
extern const char kNoSectionNameHint[];
extern const char kWideSpace[];
extern const char kWideSpaceHint[];
extern const char kUnknownCommandHint[];
extern const char kEncodingHint[];
extern const char kNoSemicolon[];
extern const char kNoSemicolonHint[];
extern const char kNotInCreateHint[];
extern const char kSecondSectionHint[];
extern const char kIfEquals[];
extern const char kIfEqualsHint[];
extern const char kIfNoComparison[];
extern const char kIfNoComparisonHint[];
extern const char kOnlyInCreateHint[];

// 「word」はこの言語にはありません。
std::string Missing(const std::string& word);
// What to write instead of else, while, for, and, or; nullptr for any
// other word.
const char* MissingWordHint(const std::string& word);
// Full-width characters outside a text, and their half-width forms.
std::string Wide(const std::string& wide);
std::string WideHint(const std::string& half);
std::string UnknownCommand(const std::string& name);
std::string UnknownName(const std::string& name);
std::string NoValue(const std::string& name);
std::string NoValueHint(const std::string& name);
std::string NotEvent(const std::string& name);
std::string SecondSection(const std::string& name);
std::string NotInCreate(const std::string& name);
std::string NoArray(const std::string& name);
std::string NoArrayHint(const std::string& name);
std::string NoSection(const std::string& name);
std::string NoSectionHint(const std::string& name);
std::string OnlyInCreate(const std::string& name);
extern const char kTwoComparisons[];
extern const char kTwoComparisonsHint[];
extern const char kTextAndNumber[];
extern const char kTextAndNumberHint[];
std::string NothingAfter(const std::string& op);
std::string NothingAfterHint(const std::string& op);
std::string TextForNumber(const std::string& text);
std::string TextForNumberHint(const std::string& inside);
extern const char kNoTimer[];
extern const char kNoTimerHint[];
// A run's errors that the checks above do not name.
extern const char kDivideByZero[];
extern const char kDivideByZeroHint[];
extern const char kSemicolonBefore[];
std::string ArrayRange(const std::string& name);
extern const char kArrayRangeHint[];
std::string NotSet(const std::string& name);
std::string RunErrorHint(const std::string& name);
// 「name」と書いてください。
std::string UseName(const std::string& name);
// form takes wanted values; count were written.
std::string ArgCount(const std::string& form, int wanted, int count);
std::string ArgCountHint(int wanted);

}  // namespace texts
}  // namespace zep
