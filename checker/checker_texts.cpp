#include "checker/checker_texts.h"

namespace zep {
namespace texts {

const char kBlockComment[] = "「/*」で始まるコメントは使えません。";
const char kBlockCommentHint[] = "コメントは、行ごとに「//」を付けて書いてください。";
const char kHashComment[] = "「#」はこの言語では使えません。";
const char kHashCommentHint[] = "コメントなら「//」で書いてください。";
const char kAndHint[] =
    "「かつ」は if の中に if を書いてください。例: if (a > 0) { if (b > 0) { … } }";
const char kOrHint[] =
    "「または」は if を二つ書いてください。例: if (a > 0) { … } と if (b > 0) { … }";
const char kOpenQuote[] = "この「\"」で始まる文字が、行の終わりまでに閉じていません。";
const char kOpenQuoteHint[] = "文字の終わりにも「\"」を書いてください。";
const char kOpenParen[] = "この「(」を閉じる「)」がありません。";
const char kOpenParenHint[] = "「;」の前に「)」を書きたしてください。";
const char kStrayParen[] = "この「)」と組になる「(」がありません。";
const char kStrayParenHint[] = "「(」が足りないか、「)」が一つ多いです。";
const char kOpenBrace[] = "この「{」を閉じる「}」がありません。";
const char kOpenBraceHint[] = "「{」の中の終わりに「}」を書きたしてください。";
const char kStrayBrace[] = "この「}」と組になる「{」がありません。";
const char kStrayBraceHint[] =
    "前の「}」でセクションが終わっています。よけいな「}」を消してください。";
const char kOutside[] = "ここはセクションの外なので、動きません。";
const char kOutsideHint[] = "命令はセクションの「{」と「}」の中に書いてください。";
const char kNoSectionName[] = "この「{」の前にセクションの名前がありません。";
const char kNoSectionNameHint[] = "「INIT {」のように、名前を書いてから「{」を書いてください。";
const char kWideSpace[] = "全角のスペースがあります。";
const char kWideSpaceHint[] = "半角のスペースにしてください。";
const char kUnknownCommandHint[] = "命令の名前のつづりと、大文字・小文字をたしかめてください。";
const char kEncodingHint[] = "ファイルを Shift-JIS か UTF-8 で保存しなおしてください。";

const char kNoSemicolon[] = "ここに「;」がありません。";
const char kNoSemicolonHint[] = "命令の終わりには「;」を書いてください。";
const char kNotInCreateHint[] =
    "CREATE はウィンドウが開く前に動きます。この命令は INIT などのセクションに書いてください。";
const char kOnlyInCreateHint[] = "この命令は CREATE { } の中に書いてください。";
const char kIfEquals[] = "if の中で「=」は使えません。";
const char kIfEqualsHint[] =
    "同じかどうかを比べるときは「==」と書いてください。例: if (a == 1) { … }";
const char kIfNoComparison[] = "if の ( ) の中に、比べる式がありません。";
const char kIfNoComparisonHint[] =
    "==、!=、<、>、<=、>= のどれかで比べてください。例: if (a > 0) { … }";
const char kSecondSectionHint[] = "二つを一つにまとめるか、こちらの名前を変えてください。";

std::string Missing(const std::string& word) {
  return "「" + word + "」はこの言語にはありません。";
}

const char* MissingWordHint(const std::string& word) {
  struct Row {
    const char* word;
    const char* hint;
  };
  static const Row kRows[] = {
      {"else",
       "反対の条件の if をもう一つ書いてください。例: if (a > b) { … } と if (a <= b) { … }"},
      {"while", "くり返しは loop(回数) { … } で書いてください。"},
      {"for", "くり返しは loop(回数) { … } で書いてください。数えるなら変数を一つずつふやします。"},
      {"and", kAndHint},
      {"or", kOrHint},
  };
  for (const Row& r : kRows) {
    if (word == r.word) return r.hint;
  }
  return nullptr;
}

std::string Wide(const std::string& wide) { return "全角の「" + wide + "」が書かれています。"; }

std::string WideHint(const std::string& half) { return "半角の「" + half + "」に直してください。"; }

std::string UnknownCommand(const std::string& name) {
  return "「" + name + "」という命令はありません。";
}

std::string UnknownName(const std::string& name) {
  return "「" + name + "」という名前はなく、値も入っていません。";
}

std::string NoValue(const std::string& name) {
  return "変数「" + name + "」には、どこでも値を入れていません。";
}

std::string NoValueHint(const std::string& name) {
  return "使う前に「" + name + " = 0 ;」のように値を入れてください。";
}

std::string NotEvent(const std::string& name) {
  return "「" + name + "」はイベントの名前ではないので、このセクションはひとりでは動きません。";
}

std::string SecondSection(const std::string& name) {
  return "セクション「" + name + "」は前にもあるので、こちらは動きません。";
}

std::string NotInCreate(const std::string& name) {
  return "「" + name + "」は CREATE の中では使えません。";
}

std::string OnlyInCreate(const std::string& name) {
  return "「" + name + "」は CREATE の中でだけ使えます。";
}

std::string NoArray(const std::string& name) { return "「" + name + "」という配列はありません。"; }

std::string NoArrayHint(const std::string& name) {
  return "CREATE の中で Data(\"" + name + "\", 行の数, 列の数) ; と書いて、配列を作ってください。";
}

std::string NoSection(const std::string& name) {
  return "「" + name + "」というセクションがないので、この call が動くとエラーで止まります。";
}

std::string NoSectionHint(const std::string& name) {
  return name + " { … } というセクションを作ってください。";
}

std::string UseName(const std::string& name) { return "「" + name + "」と書いてください。"; }

const char kTwoComparisons[] = "一つの if の中で二つ比べることはできません。";
const char kTwoComparisonsHint[] =
    "if (0 < x) { if (x < 10) { … } } のように、if を二つ重ねてください。";
const char kTextAndNumber[] = "「\"…\"」の文字と数は、「+」ではつながりません。";
const char kTextAndNumberHint[] =
    "数は PrintData(X,Y,R,W,H,C,n,data) で表示して、文字は別の Print で出してください。";

std::string NothingAfter(const std::string& op) { return "「" + op + "」のあとに値がありません。"; }

std::string NothingAfterHint(const std::string& op) {
  return "「" + op + "」のあとに数か変数を書くか、「" + op + "」を消してください。";
}

std::string TextForNumber(const std::string& text) {
  return "「" + text + "」は文字です。ここには数を書きます。";
}

std::string TextForNumberHint(const std::string& inside) {
  return "「\"」を消して、" + inside + " と書いてください。";
}

const char kNoTimer[] = "SetTimer がどこにもないので、TIMER は動きません。";
const char kNoTimerHint[] = "CREATE { SetTimer(100) ; } のように、何ミリ秒ごとに動くかを決めてください。";

const char kDivideByZero[] = "0 で割ろうとしました。";
const char kDivideByZeroHint[] = "割る数が 0 にならないように、if で調べてから割ってください。";
const char kSemicolonBefore[] =
    "値の数は合っています。前の文の終わりに「;」がないと、二つの文がつながってしまいます。";
const char kArrayRangeHint[] =
    "番号は 0 から、Data で決めた数より一つ少ない所までです。";

std::string ArrayRange(const std::string& name) {
  return "配列「" + name + "」の大きさをこえた番号を使いました。";
}

std::string NotSet(const std::string& name) {
  return "変数「" + name + "」に、まだ値が入っていないうちに使いました。";
}

std::string RunErrorHint(const std::string& name) {
  return name.empty() ? "止まった文をよく見て、書き方をたしかめてください。"
                      : "「" + name + "」をヘルプ（F1）で調べて、書き方をたしかめてください。";
}

std::string ArgCount(const std::string& form, int wanted, int count) {
  std::string said = count < wanted ? " 個しかありません。" : " 個あります。";
  return "「" + form + "」は " + std::to_string(wanted) + " 個の値をとります。ここには " +
         std::to_string(count) + said;
}

std::string ArgCountHint(int wanted) {
  if (wanted == 0) return "「(」と「)」の間には何も書かないでください。";
  return "値を「,」で区切って " + std::to_string(wanted) + " 個書いてください。";
}

}  // namespace texts
}  // namespace zep
