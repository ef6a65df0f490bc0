#include "checker/checker.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "assist/catalog.h"
#include "checker/checker_texts.h"
#include "core/command_table.h"
#include "core/dispatch.h"
#include "core/errors.h"
#include "core/eval_parts.h"
#include "core/script_text.h"
#include "core/text.h"

namespace zep {

namespace {

// A piece of the script as the interpreter reads it: a name, a number, a
// text in quotes, or one symbol. Comments and blanks leave none.
enum TokenKind : char {
  kWord = 'w',
  kNumber = 'n',
  kText = 't',
  kComparison = 'c',  // ==, !=, <=, >=
  kOther = 'o',       // any other symbol; ( ) { } ; , = stand as themselves
};

struct Token {
  size_t at;  // byte offset in the Shift-JIS text
  size_t bytes;
  char kind;
  int depth = 0;     // the braces open around it
  int parens = 0;    // the parentheses open before it in its statement
  int section = -1;  // the index of its section's name in the section list
};

// A full-width character that the language reads only in half width, and
// the half-width one to write instead.
struct WideChar {
  const char* wide;
  char half;
};

const WideChar kWideChars[] = {
    {"（", '('}, {"）", ')'}, {"｛", '{'}, {"｝", '}'}, {"；", ';'}, {"，", ','}, {"＝", '='},
    {"＋", '+'}, {"－", '-'}, {"＊", '*'}, {"／", '/'}, {"％", '%'}, {"＜", '<'}, {"＞", '>'},
    {"！", '!'}, {"．", '.'}, {"”", '"'},  {"“", '"'},  {"「", '"'}, {"」", '"'}, {"　", ' '},
    {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'}, {"６", '6'},
    {"７", '7'}, {"８", '8'}, {"９", '9'},
};

// The half-width form of the double-byte character at p, or '\0' when it
// is none of kWideChars.
char HalfWidthOf(const char* p) {
  if (!IsLeadByte(p[0]) || p[1] == '\0') return '\0';
  for (const WideChar& w : kWideChars) {
    if (w.wide[0] == p[0] && w.wide[1] == p[1]) return w.half;
  }
  return '\0';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAsciiNameByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || IsDigit(c);
}

// A name goes on over letters, digits, underscores and double-byte
// characters, but not over a full-width symbol or space (a full-width digit
// inside a name is a part of it).
bool IsNamePart(const char* p) {
  if (IsAsciiNameByte(*p)) return true;
  if (!IsLeadByte(*p) || p[1] == '\0') return false;
  char half = HalfWidthOf(p);
  return half == '\0' || IsDigit(half);
}

bool IsNameStart(const char* p) {
  return !IsDigit(*p) && IsNamePart(p) && (!IsLeadByte(*p) || HalfWidthOf(p) == '\0');
}

std::string Lower(const std::string& s) {
  std::string out = s;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The edit distance of a and b, letters compared without case.
size_t Distance(const std::string& a, const std::string& b) {
  std::string x = Lower(a), y = Lower(b);
  std::vector<size_t> row(y.size() + 1);
  for (size_t j = 0; j <= y.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= x.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= y.size(); ++j) {
      size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0u : 1u)});
      diagonal = above;
    }
  }
  return row[y.size()];
}

// The known name nearest to word: one that differs only in case first,
// else the first of the least edit distance, when that distance is small
// for the word's length (none up to two letters, one up to four, two
// beyond). Empty when none is near.
std::string NearestName(const std::string& word, const std::vector<std::string>& names,
                        size_t* distance = nullptr) {
  if (distance != nullptr) *distance = 0;
  for (const std::string& n : names) {
    if (Lower(n) == Lower(word)) return n;
  }
  if (word.size() <= 2) return "";
  size_t limit = word.size() <= 4 ? 1 : 2;
  std::string best;
  size_t best_distance = limit + 1;
  for (const std::string& n : names) {
    size_t d = Distance(word, n);
    if (d < best_distance) best = n, best_distance = d;
  }
  if (distance != nullptr) *distance = best_distance;
  return best;
}

// The syntax lines of the catalog's entries of one kind.
std::vector<std::string> CatalogForms(EntryKind kind) {
  std::vector<std::string> forms;
  for (int c = 0; c < kCategoryCount; ++c) {
    const CatalogCategory& category = CategoryAt(c);
    for (int e = 0; e < category.count; ++e) {
      if (category.entries[e].kind == kind) forms.push_back(category.entries[e].text);
    }
  }
  return forms;
}

// The names of the catalog's entries of one kind.
std::vector<std::string> CatalogNames(EntryKind kind) {
  std::vector<std::string> names;
  for (const std::string& form : CatalogForms(kind)) names.push_back(EntryName(form.c_str()));
  return names;
}

// The syntax line the catalog gives for a command ("Box(XL,YT,XR,YB,OC,IC)"),
// or the bare name when it lists none.
std::string CommandForm(const std::string& name) {
  for (std::string form : CatalogForms(EntryKind::kCommand)) {
    if (EntryName(form.c_str()) != name) continue;
    size_t end = form.find(';');
    if (end != std::string::npos) form.erase(end);
    while (!form.empty() && form.back() == ' ') form.pop_back();
    return form;
  }
  return name;
}

bool IsCommand(const std::string& name) {
  return FindCommand(name.c_str(), kPhaseRun) != nullptr ||
         FindCommand(name.c_str(), kPhaseCreate) != nullptr;
}

// -1 when some row of the command takes count arguments or counts them
// itself (a name may have rows of other counts in the CREATE and the run
// phase, or in the script dialog's set-up); else the count of its first row.
int WantedArgCount(const std::string& name, int count) {
  int wanted = -1;
  for (int k = 0; k < CommandCount(); ++k) {
    const CommandRow& row = CommandAt(k);
    if (name != row.name) continue;
    int declared = DeclaredArgCount(row);
    if (declared < 0 || declared == count) return -1;
    if (wanted < 0) wanted = declared;
  }
  return wanted;
}

bool IsControlStatement(const std::string& name) {
  int count;
  return ControlStatementKind(name.c_str(), false, &count) >= 0;
}

class Checker {
 public:
  explicit Checker(const std::string& text) : text_(text) {
    line_starts_.push_back(0);
    for (size_t i = 0; i < text_.size(); ++i) {
      if (text_[i] == '\n') line_starts_.push_back(i + 1);
    }
  }

  std::vector<Problem> Run() {
    Lex();
    CheckBrackets();
    CheckWords();
    std::stable_sort(problems_.begin(), problems_.end(), [](const Problem& a, const Problem& b) {
      return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return problems_;
  }

 private:
  void Report(size_t at, size_t bytes, Severity kind, const std::string& message,
              const std::string& hint) {
    size_t line = static_cast<size_t>(
        std::upper_bound(line_starts_.begin(), line_starts_.end(), at) - line_starts_.begin());
    size_t start = line_starts_[line - 1];
    int column = 1, length = 0;
    const char* p = text_.c_str();
    for (size_t i = start; i < at; i += CharLength(p + i)) ++column;
    for (size_t i = at; i < at + bytes && i < text_.size(); i += CharLength(p + i)) ++length;
    problems_.push_back({static_cast<int>(line), column, std::max(length, 1), kind, message, hint});
  }

  std::string TokenText(const Token& t) const { return text_.substr(t.at, t.bytes); }

  size_t LineEnd(size_t at) const {
    size_t end = text_.find('\n', at);
    end = end == std::string::npos ? text_.size() : end;
    return end > at && text_[end - 1] == '\r' ? end - 1 : end;
  }

  void Add(size_t at, size_t bytes, char kind) { tokens_.push_back({at, bytes, kind}); }

  // Cuts the text into tokens as compaction and the evaluator read it:
  // `//` to the line's end is a comment, a text runs from `"` to `"`. What
  // the language does not have is reported here, with the token it most
  // likely stands for put in its place, so that one slip does not bring a
  // row of others after it.
  void Lex() {
    const char* p = text_.c_str();
    size_t n = text_.size(), i = 0;
    while (i < n) {
      char c = p[i];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++i;
      } else if (c == '/' && p[i + 1] == '/') {
        i = LineEnd(i);
      } else if (c == '/' && p[i + 1] == '*') {
        Report(i, 2, Severity::kError, texts::kBlockComment, texts::kBlockCommentHint);
        size_t close = text_.find("*/", i + 2);
        i = close == std::string::npos ? n : close + 2;
      } else if (c == '#') {
        Report(i, 1, Severity::kError, texts::kHashComment, texts::kHashCommentHint);
        i = LineEnd(i);
      } else if (c == '"') {
        i = LexText(i);
      } else if ((c == '&' && p[i + 1] == '&') || (c == '|' && p[i + 1] == '|')) {
        Report(i, 2, Severity::kError, texts::Missing(text_.substr(i, 2)),
               c == '&' ? texts::kAndHint : texts::kOrHint);
        i += 2;
      } else if (IsWideQuote(p + i, "「“")) {
        i = LexWideText(i);
      } else if (HalfWidthOf(p + i) != '\0') {
        i = LexWide(i);
      } else if (IsDigit(c) || (c == '.' && IsDigit(p[i + 1]))) {
        size_t start = i;
        while (i < n && (IsAsciiNameByte(p[i]) || p[i] == '.')) ++i;
        Add(start, i - start, kNumber);
      } else if (IsNameStart(p + i)) {
        size_t start = i;
        while (i < n && IsNamePart(p + i)) i += CharLength(p + i);
        Add(start, i - start, kWord);
      } else if ((c == '=' || c == '!' || c == '<' || c == '>') && p[i + 1] == '=') {
        Add(i, 2, kComparison);
        i += 2;
      } else {
        bool own = std::strchr("(){};,=", c) != nullptr && c != '\0';
        Add(i, CharLength(p + i), own ? c : static_cast<char>(kOther));
        i += CharLength(p + i);
      }
    }
  }

  // A text in quotes from the `"` at i. One that is not closed on its own
  // line is reported at its opening quote and taken to end there, as the
  // editor colours it. Gives the position after it.
  size_t LexText(size_t i) {
    const char* p = text_.c_str();
    size_t end = LineEnd(i);
    size_t close = static_cast<size_t>(SkipLiteral(p + i) - p);
    if (close >= end) {
      Report(i, 1, Severity::kError, texts::kOpenQuote, texts::kOpenQuoteHint);
      open_text_line_end_ = end;
      Add(i, end - i, kText);
      return end;
    }
    quoted_.insert(text_.substr(i + 1, close - i - 1));
    Add(i, close + 1 - i, kText);
    return close + 1;
  }

  // Whether the double-byte character at p is one of quotes.
  static bool IsWideQuote(const char* p, const char* quotes) {
    for (const char* q = quotes; *q != '\0'; q += 2) {
      if (p[0] == q[0] && p[1] == q[1]) return true;
    }
    return false;
  }

  // A text in full-width quotes, 「...」 or “...”, closed on its line: both
  // quotes are reported, and it stands as a text. Else the opening quote
  // alone is a full-width character.
  size_t LexWideText(size_t i) {
    const char* p = text_.c_str();
    size_t end = LineEnd(i);
    for (size_t k = i + 2; k < end; k += CharLength(p + k)) {
      if (!IsWideQuote(p + k, "」”")) continue;
      for (size_t q : {i, k})
        Report(q, 2, Severity::kError, texts::Wide(text_.substr(q, 2)), texts::WideHint("\""));
      quoted_.insert(text_.substr(i + 2, k - i - 2));
      Add(i, k + 2 - i, kText);
      return k + 2;
    }
    return LexWide(i);
  }

  // A run of full-width characters outside texts: one problem for the run,
  // and the half-width tokens it stands for.
  size_t LexWide(size_t i) {
    const char* p = text_.c_str();
    size_t start = i;
    std::string half;
    while (i < text_.size() && HalfWidthOf(p + i) != '\0') {
      char h = HalfWidthOf(p + i);
      half += h;
      if (IsDigit(h)) {
        Add(i, 2, kNumber);
      } else if (h == '<' || h == '>') {
        Add(i, 2, kComparison);
      } else if (h != ' ' && h != '"') {
        bool own = std::strchr("(){};,=", h) != nullptr;
        Add(i, 2, own ? h : static_cast<char>(kOther));
      }
      i += 2;
    }
    std::string wide = text_.substr(start, i - start);
    bool spaces = half.find_first_not_of(' ') == std::string::npos;
    Report(start, i - start, Severity::kError, spaces ? texts::kWideSpace : texts::Wide(wide),
           spaces ? texts::kWideSpaceHint : texts::WideHint(half));
    return i;
  }

  // Braces and parentheses in pairs. Outside every brace only sections
  // stand, each a name right before its `{`; anything else there never
  // runs. A `;`, `{` or `}` ends a statement, and with it the parentheses
  // still open in it.
  void CheckBrackets() {
    std::vector<size_t> open;  // token indexes of the `(` and `{` still open
    size_t header = 0;         // first token after the last section
    int braces = 0;
    auto close_parens = [&]() {
      while (!open.empty() && tokens_[open.back()].kind == '(') {
        ReportOpenParen(tokens_[open.back()]);
        open.pop_back();
      }
    };
    int section = -1;
    size_t outdented = 0;  // the first `{` closed by a `}` indented less, plus one
    for (size_t i = 0; i < tokens_.size(); ++i) {
      Token& t = tokens_[i];
      t.depth = braces;
      t.section = braces > 0 ? section : -1;
      t.parens = static_cast<int>(std::count_if(open.begin(), open.end(),
                                                [&](size_t k) { return tokens_[k].kind == '('; }));
      if (t.kind == '{') {
        close_parens();
        if (braces == 0) section = CheckSectionHeader(header, i);
        open.push_back(i);
        ++braces;
      } else if (t.kind == '}') {
        close_parens();
        if (braces == 0) {
          if (header < i) ReportOutside(header);
          Report(t.at, 1, Severity::kWarning, texts::kStrayBrace, texts::kStrayBraceHint);
          header = i + 1;
          continue;
        }
        if (outdented == 0 && Outdented(open.back(), i)) outdented = open.back() + 1;
        open.pop_back();
        if (--braces == 0) header = i + 1;
      } else if (t.kind == '(') {
        open.push_back(i);
      } else if (t.kind == ')') {
        if (!open.empty() && tokens_[open.back()].kind == '(') {
          open.pop_back();
        } else {
          Report(t.at, 1, Severity::kError, texts::kStrayParen, texts::kStrayParenHint);
        }
      } else if (t.kind == ';') {
        close_parens();
      }
    }
    if (braces == 0 && header < tokens_.size()) ReportOutside(header);
    // With a `}` missing, each `}` closes the `{` before the one it was
    // written for, and the first `{` stays open. The pupil's indentation
    // tells which one lacks it: the first `{` whose `}` stands left of the
    // line that opened it.
    bool brace_reported = false;
    for (size_t k : open) {
      if (tokens_[k].kind == '(') {
        ReportOpenParen(tokens_[k]);
      } else if (!brace_reported) {
        size_t lacking = outdented > 0 ? outdented - 1 : k;
        Report(tokens_[lacking].at, 1, Severity::kError, texts::kOpenBrace, texts::kOpenBraceHint);
        brace_reported = outdented > 0;
      }
    }
  }

  // The blanks before the first character of the line that holds at, or
  // -1 when something else stands before at on its line.
  int Indent(size_t at) const {
    size_t start = line_starts_[static_cast<size_t>(LineOf(at)) - 1];
    for (size_t k = start; k < at; ++k) {
      if (text_[k] != ' ' && text_[k] != '\t') return -1;
    }
    return static_cast<int>(at - start);
  }

  // Whether the `}` at close starts its line left of the line of the `{`
  // at open, which it closes.
  bool Outdented(size_t open, size_t close) const {
    int closing = Indent(tokens_[close].at);
    if (closing < 0) return false;
    size_t start = line_starts_[static_cast<size_t>(LineOf(tokens_[open].at)) - 1];
    size_t first = text_.find_first_not_of(" \t", start);
    return static_cast<int>(first - start) > closing;
  }

  // A `(` left open, unless a text left open on its line took the `)`:
  // that text is the one mistake.
  void ReportOpenParen(const Token& t) {
    if (LineEnd(t.at) == open_text_line_end_) return;
    Report(t.at, 1, Severity::kError, texts::kOpenParen, texts::kOpenParenHint);
  }

  void ReportOutside(size_t first) {
    Report(tokens_[first].at, tokens_[first].bytes, Severity::kWarning, texts::kOutside,
           texts::kOutsideHint);
  }

  // The tokens from first up to the `{` at brace, outside every section:
  // a section's name alone, or text that never runs. Gives the index of
  // the section in sections_, or -1 when it has no name.
  int CheckSectionHeader(size_t first, size_t brace) {
    if (brace == first) {
      Report(tokens_[brace].at, 1, Severity::kWarning, texts::kNoSectionName,
             texts::kNoSectionNameHint);
      return -1;
    }
    if (brace - first > 1 || tokens_[first].kind != kWord) {
      ReportOutside(first);
      return -1;
    }
    sections_.push_back(first);
    return static_cast<int>(sections_.size()) - 1;
  }

  // A section runs by itself only when it is named as an event, and else
  // when the script names it: call("NAME"), a control's or a menu's ID, or
  // a dialog's ID string before an event's name. A name near an event's
  // that is none of these most likely meant the event.
  void CheckSectionName(const Token& t) {
    static const std::vector<std::string> events = CatalogNames(EntryKind::kSection);
    std::string name = TokenText(t);
    if (std::find(events.begin(), events.end(), name) != events.end() || quoted_.count(name) != 0)
      return;
    for (const std::string& e : events) {
      if (name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0 &&
          quoted_.count(name.substr(0, name.size() - e.size())) != 0) {
        return;
      }
    }
    std::string near = NearestName(name, events);
    if (near.empty()) return;
    Report(t.at, t.bytes, Severity::kWarning, texts::NotEvent(name), texts::UseName(near));
  }

  // The index of the `)` that closes the `(` at open, or 0 when the
  // statement ends first; *count is the number of arguments between.
  size_t CloseOf(size_t open, int* count) const {
    int depth = 0, commas = 0;
    bool any = false;
    for (size_t i = open; i < tokens_.size(); ++i) {
      char k = tokens_[i].kind;
      if (k == ';' || k == '{' || k == '}') return 0;
      if (k == '(') ++depth;
      if (k == ')' && --depth == 0) {
        *count = any ? commas + 1 : 0;
        return i;
      }
      if (i > open) any = true;
      if (k == ',' && depth == 1) ++commas;
    }
    return 0;
  }

  // An operator inside a section with nothing after it before the
  // statement, the parentheses or the values go on (`b = a / 2 + ;`), and
  // `+` between a text and a number, which does not join them.
  void CheckOperator(size_t i) {
    const Token& t = tokens_[i];
    if (t.depth == 0) return;
    bool arithmetic = t.kind == kOther && t.bytes == 1 && std::strchr("+-*/%", text_[t.at]) != nullptr;
    bool operates = arithmetic || t.kind == kComparison || t.kind == '=' ||
                    (t.kind == kOther && t.bytes == 1 && std::strchr("<>", text_[t.at]) != nullptr);
    char next = i + 1 < tokens_.size() ? tokens_[i + 1].kind : '}';
    if (operates && std::strchr(";),}", next) != nullptr) {
      std::string op = TokenText(t);
      Report(t.at, t.bytes, Severity::kError, texts::NothingAfter(op), texts::NothingAfterHint(op));
      return;
    }
    if (!arithmetic || text_[t.at] != '+' || i == 0 || i + 1 >= tokens_.size()) return;
    char before = tokens_[i - 1].kind;
    bool text_first = before == kText && (next == kWord || next == kNumber);
    bool text_after = next == kText && (before == kWord || before == kNumber || before == ')');
    if (text_first || text_after) {
      Report(t.at, 1, Severity::kWarning, texts::kTextAndNumber, texts::kTextAndNumberHint);
    }
  }

  // Whether the script gives the word a value: a name before a lone `=`, or
  // named in quotes (an array of Data, a variable a command fills).
  bool HasValue(const std::string& word) const {
    return assigned_.count(word) != 0 || quoted_.count(word) != 0;
  }

  // The statements inside sections: each one's `;`, the names before `(`
  // and alone, the words the language does not have, the commands of the
  // other phase, and the names read as values; then the sections' names.
  void CheckWords() {
    for (size_t i = 0; i + 1 < tokens_.size(); ++i) {
      if (tokens_[i].kind == kWord && tokens_[i + 1].kind == '=')
        assigned_.insert(TokenText(tokens_[i]));
    }
    for (size_t i = 0; i < tokens_.size(); ++i) {
      const Token& t = tokens_[i];
      CheckStatementEnd(i);
      CheckOperator(i);
      if (t.kind != kWord || t.depth == 0) continue;
      std::string word = TokenText(t);
      if (!HasValue(word) && CheckMissingWord(t, word)) continue;
      char next = i + 1 < tokens_.size() ? tokens_[i + 1].kind : '}';
      bool starts = i == 0 || std::strchr("{;}", tokens_[i - 1].kind) != nullptr;
      if (starts && (next == ';' || next == '}')) {
        CheckBareStatement(i, word);
      } else if (next == '(') {
        if (starts && !CheckPhase(i, word)) continue;
        CheckCall(i, word);
      } else if (next != '{') {
        CheckPlainWord(t, word);
      }
    }
    std::set<std::string> seen;
    for (size_t s : sections_) {
      const Token& t = tokens_[s];
      if (seen.insert(TokenText(t)).second) {
        CheckSectionName(t);
        CheckTimerSet(t);
      } else {
        // A run finds a section by its name from the top: the first wins.
        Report(t.at, t.bytes, Severity::kWarning, texts::SecondSection(TokenText(t)),
               texts::kSecondSectionHint);
      }
    }
  }

  int LineOf(size_t at) const {
    return static_cast<int>(std::upper_bound(line_starts_.begin(), line_starts_.end(), at) -
                            line_starts_.begin());
  }

  // A statement ends with `;`: a `}` right after one, or a new line that
  // begins with a name right after a statement's last value, means the
  // `;` was left out, and the two statements run together. Reported just
  // after the statement's last character.
  void CheckStatementEnd(size_t i) {
    if (i == 0) return;
    const Token& t = tokens_[i];
    const Token& before = tokens_[i - 1];
    if (t.depth == 0 || t.parens > 0 || std::strchr("{;}", before.kind) != nullptr) return;
    bool value_before = before.kind == kWord || before.kind == kNumber || before.kind == kText ||
                        before.kind == ')';
    bool ends =
        t.kind == '}' || (t.kind == kWord && value_before && LineOf(before.at) < LineOf(t.at));
    if (!ends) return;
    Report(before.at + before.bytes, 1, Severity::kError, texts::kNoSemicolon,
           texts::kNoSemicolonHint);
  }

  // A statement of one name: a control statement, a command without
  // arguments, or nothing the language knows.
  void CheckBareStatement(size_t i, const std::string& word) {
    const Token& t = tokens_[i];
    if (!CheckPhase(i, word) || IsControlStatement(word)) return;
    if (IsCommand(word)) {
      int wanted = WantedArgCount(word, 0);
      if (wanted > 0) {
        Report(t.at, t.bytes, Severity::kError, texts::ArgCount(CommandForm(word), wanted, 0),
               texts::ArgCountHint(wanted));
      }
      return;
    }
    ReportUnknownCommand(t, word);
  }

  // The CREATE section runs before the window opens, and knows only the
  // commands of that phase, loop and if; the other sections only the
  // others. (A dialog's set-up section, its ID string before CREATE, reads
  // the dialog's own list, and is left alone.) False when reported.
  bool CheckPhase(size_t i, const std::string& word) {
    const Token& t = tokens_[i];
    if (t.section < 0) return true;
    std::string section = TokenText(tokens_[sections_[static_cast<size_t>(t.section)]]);
    bool create = FindCommand(word.c_str(), kPhaseCreate) != nullptr;
    bool run = FindCommand(word.c_str(), kPhaseRun) != nullptr;
    int count;
    if (section == "CREATE") {
      bool known = create || ControlStatementKind(word.c_str(), true, &count) >= 0;
      if (known || !(run || IsControlStatement(word))) return true;
      Report(t.at, t.bytes, Severity::kError, texts::NotInCreate(word), texts::kNotInCreateHint);
      return false;
    }
    if (section.size() > 6 && section.compare(section.size() - 6, 6, "CREATE") == 0) return true;
    if (run || !create) return true;
    Report(t.at, t.bytes, Severity::kError, texts::OnlyInCreate(word), texts::kOnlyInCreateHint);
    return false;
  }

  // else, while, for, and, or: reported with what to write instead.
  bool CheckMissingWord(const Token& t, const std::string& word) {
    const char* hint = texts::MissingWordHint(word);
    if (hint == nullptr) return false;
    Report(t.at, t.bytes, Severity::kError, texts::Missing(word), hint);
    return true;
  }

  // A name before `(`: a control statement, a command whose row declares
  // its count, a function (one argument), an array; else it is unknown.
  void CheckCall(size_t i, const std::string& word) {
    const Token& t = tokens_[i];
    int count = 0;
    size_t close = CloseOf(i + 1, &count);
    if (IsControlStatement(word)) {
      if (close != 0) CheckControl(i, close, count, word);
      return;
    }
    if (quoted_.count(word) != 0) return;
    if (IsCommand(word)) {
      int wanted = WantedArgCount(word, count);
      if (close != 0 && wanted >= 0) {
        Report(t.at, tokens_[close].at + 1 - t.at, Severity::kError,
               texts::ArgCount(CommandForm(word), wanted, count), texts::ArgCountHint(wanted));
      } else if (close != 0) {
        CheckNumbersWanted(i, close, count, word);
      }
      return;
    }
    if (BuiltinId(word.c_str()) >= 0) {
      if (close != 0 && count != 1) {
        Report(t.at, tokens_[close].at + 1 - t.at, Severity::kError,
               texts::ArgCount(word + "(x)", 1, count), texts::ArgCountHint(1));
      }
      return;
    }
    bool set = close != 0 && close + 1 < tokens_.size() && tokens_[close + 1].kind == '=';
    bool read = i > 0 && std::strchr("{;}", tokens_[i - 1].kind) == nullptr;
    // An element read in an expression is an array's, unless the name is
    // near a command or a function.
    if (set || (read && NearestName(word, Callables()).empty())) {
      Report(t.at, t.bytes, Severity::kError, texts::NoArray(word), texts::NoArrayHint(word));
      return;
    }
    ReportUnknownCommand(t, word);
  }

  // TIMER runs only after SetTimer gave it an interval.
  void CheckTimerSet(const Token& section) {
    if (TokenText(section) != "TIMER") return;
    for (const Token& t : tokens_) {
      if (t.kind == kWord && TokenText(t) == "SetTimer") return;
    }
    Report(section.at, section.bytes, Severity::kWarning, texts::kNoTimer, texts::kNoTimerHint);
  }

  // A text in quotes alone where every row of the command that takes this
  // many values wants a number: the run stops at it.
  void CheckNumbersWanted(size_t i, size_t close, int count, const std::string& word) {
    std::string letters;
    for (int k = 0; k < CommandCount(); ++k) {
      const CommandRow& row = CommandAt(k);
      if (word != row.name || DeclaredArgCount(row) != count || row.args == nullptr) continue;
      if (letters.empty()) {
        letters = row.args;
      } else {
        for (size_t n = 0; n < letters.size() && row.args[n] != '\0'; ++n) {
          if (letters[n] != row.args[n]) letters[n] = '?';  // the rows differ here
        }
      }
    }
    size_t first = i + 2;  // the first token of the value
    int value = 0, depth = 0;
    for (size_t k = first; k <= close; ++k) {
      char kind = tokens_[k].kind;
      bool ends = k == close || (depth == 0 && kind == ',');
      if (!ends) {
        if (kind == '(') ++depth;
        if (kind == ')') --depth;
        continue;
      }
      bool number = static_cast<size_t>(value) < letters.size() &&
                    (letters[static_cast<size_t>(value)] == 'i' || letters[static_cast<size_t>(value)] == 'n');
      if (number && k == first + 1 && tokens_[first].kind == kText) {
        const Token& text = tokens_[first];
        std::string inside = TokenText(text).substr(1, text.bytes >= 2 ? text.bytes - 2 : 0);
        Report(text.at, text.bytes, Severity::kError, texts::TextForNumber(TokenText(text)),
               texts::TextForNumberHint(inside));
      }
      ++value;
      first = k + 1;
    }
  }

  // The names that may stand before `(`: the commands as installed now,
  // the functions and the control statements.
  const std::vector<std::string>& Callables() {
    if (callables_.empty()) {
      for (int k = 0; k < CommandCount(); ++k) callables_.push_back(CommandAt(k).name);
      for (EntryKind kind : {EntryKind::kFunction, EntryKind::kStatement}) {
        for (const std::string& n : CatalogNames(kind)) callables_.push_back(n);
      }
    }
    return callables_;
  }

  // loop(n), if(a > b) and call("NAME") take one value; an if compares,
  // with ==, !=, <, >, <= or >=; a call names a section of the script.
  void CheckControl(size_t i, size_t close, int count, const std::string& word) {
    const Token& t = tokens_[i];
    size_t span = tokens_[close].at + 1 - t.at;
    if (word != "loop" && word != "if" && word != "call") return;
    if (count != 1) {
      Report(t.at, span, Severity::kError, texts::ArgCount(StatementForm(word), 1, count),
             texts::ArgCountHint(1));
      return;
    }
    if (word == "if") return CheckCondition(i, close);
    const Token& name = tokens_[i + 2];
    if (word != "call" || name.kind != kText || close != i + 3) return;
    std::string section = TokenText(name).substr(1, name.bytes - 2);
    std::vector<std::string> names;
    for (size_t s : sections_) names.push_back(TokenText(tokens_[s]));
    if (std::find(names.begin(), names.end(), section) != names.end()) return;
    // The run fails only when the call runs, and whether it does is not
    // known before: a section may never be asked for, an if or an end may
    // pass it by (scripts that check themselves call a missing section on
    // purpose, where they must never arrive). So it is a warning.
    std::string near = NearestName(section, names);
    Report(name.at, name.bytes, Severity::kWarning, texts::NoSection(section),
           near.empty() ? texts::NoSectionHint(section) : texts::UseName(near));
  }

  // One comparison: an if compares two values, once.
  void CheckCondition(size_t i, size_t close) {
    bool equals = false, compared = false;
    for (size_t k = i + 2; k < close; ++k) {
      const Token& t = tokens_[k];
      if (t.kind == kComparison || (t.kind == kOther && std::strchr("<>", text_[t.at]) != nullptr)) {
        if (compared) {
          Report(t.at, t.bytes, Severity::kError, texts::kTwoComparisons, texts::kTwoComparisonsHint);
          return;
        }
        compared = true;
        continue;
      }
      if (t.kind == '=' && !equals && !compared) {
        equals = true;
        Report(t.at, 1, Severity::kError, texts::kIfEquals, texts::kIfEqualsHint);
      }
    }
    if (!equals && !compared) {
      Report(tokens_[i].at, tokens_[close].at + 1 - tokens_[i].at, Severity::kError,
             texts::kIfNoComparison, texts::kIfNoComparisonHint);
    }
  }

  // The catalog's form of a control statement up to its `)`: "loop(n)".
  static std::string StatementForm(const std::string& word) {
    for (const std::string& form : CatalogForms(EntryKind::kStatement)) {
      if (form.compare(0, word.size() + 1, word + "(") == 0)
        return form.substr(0, form.find(')') + 1);
    }
    return word;
  }

  void ReportUnknownCommand(const Token& t, const std::string& word) {
    std::string near = NearestName(word, Callables());
    Report(t.at, t.bytes, Severity::kError, texts::UnknownCommand(word),
           near.empty() ? std::string(texts::kUnknownCommandHint) : texts::UseName(near));
  }

  // A word read as a value that no one gives a value and that is near a
  // reserved variable's name: reading it stops the run.
  void CheckPlainWord(const Token& t, const std::string& word) {
    // The catalog's reserved variables that are values ("FILE_NAME" is one
    // only in quotes).
    static const std::vector<std::string> reserved = [] {
      std::vector<std::string> names;
      for (const std::string& n : CatalogNames(EntryKind::kVariable)) {
        if (ReservedId(n.c_str()) >= 0) names.push_back(n);
      }
      return names;
    }();
    if (HasValue(word) || ReservedId(word.c_str()) >= 0 || IsCommand(word) ||
        IsControlStatement(word) || BuiltinId(word.c_str()) >= 0) {
      return;
    }
    // The nearer of a reserved variable and a variable of the script; the
    // script's on a tie, as the one the pupil typed before.
    size_t to_reserved = 0, to_variable = 0;
    std::string reserved_name = NearestName(word, reserved, &to_reserved);
    std::vector<std::string> variables(assigned_.begin(), assigned_.end());
    std::string variable = NearestName(word, variables, &to_variable);
    if (!reserved_name.empty() && (variable.empty() || to_reserved < to_variable)) {
      Report(t.at, t.bytes, Severity::kError, texts::UnknownName(word),
             texts::UseName(reserved_name));
      return;
    }
    Report(t.at, t.bytes, Severity::kError, texts::NoValue(word),
           variable.empty() ? texts::NoValueHint(word) : texts::UseName(variable));
  }

  const std::string& text_;
  std::vector<size_t> line_starts_;
  std::vector<Token> tokens_;
  std::vector<size_t> sections_;  // token indexes of the sections' names
  std::set<std::string> quoted_;  // every text in quotes, without them
  std::set<std::string> assigned_;
  std::vector<std::string> callables_;  // what may stand before `(`
  std::vector<Problem> problems_;
  size_t open_text_line_end_ = std::string::npos;  // the line end of the last text left open
};

// The values written between the `(` after name in statement and its `)`:
// -1 when name is not followed by one.
int ValuesAfter(const std::string& statement, const std::string& name) {
  size_t at = FindInText(statement, name + "(");
  if (at == std::string::npos) return -1;
  const char* p = statement.c_str() + at + name.size() + 1;
  int depth = 1, commas = 0;
  bool any = false;
  while (*p != '\0') {
    if (*p == '"') {
      p = SkipLiteral(p);
      any = true;
      continue;
    }
    if (*p == '(') ++depth;
    if (*p == ')' && --depth == 0) break;
    if (*p == ',' && depth == 1) ++commas;
    if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') any = true;
    p += CharLength(p);
  }
  return any ? commas + 1 : 0;
}

// The message and hint of a run's error at a statement.
void SayRunError(const std::string& statement, int code, const std::string& name,
                 std::string* message, std::string* hint) {
  *message = ErrorMessage(code);
  *hint = texts::RunErrorHint(name);
  switch (code) {
    case kErrFewArgs:
    case kErrArgCount: {
      int count = ValuesAfter(statement, name), wanted = -1;
      for (int k = 0; k < CommandCount() && wanted < 0; ++k) {
        if (name == CommandAt(k).name) wanted = DeclaredArgCount(CommandAt(k));
      }
      if (count < 0 || wanted < 0) return;
      if (count == wanted) {
        *hint = texts::kSemicolonBefore;
        return;
      }
      *message = texts::ArgCount(CommandForm(name), wanted, count);
      *hint = texts::ArgCountHint(wanted);
      return;
    }
    case kErrUndefined:
      *message = texts::NotSet(name);
      *hint = texts::NoValueHint(name);
      return;
    case kErrNoCommand: {
      if (FindCommand(name.c_str(), kPhaseCreate) != nullptr) {
        *message = texts::OnlyInCreate(name);
        *hint = texts::kOnlyInCreateHint;
        return;
      }
      std::vector<std::string> names;
      for (int k = 0; k < CommandCount(); ++k) names.push_back(CommandAt(k).name);
      std::string near = NearestName(name, names);
      *message = texts::UnknownCommand(name);
      *hint = near.empty() ? std::string(texts::kUnknownCommandHint) : texts::UseName(near);
      return;
    }
    case kErrDivZero:
      *message = texts::kDivideByZero;
      *hint = texts::kDivideByZeroHint;
      return;
    case kErrArrayRange:
      *message = texts::ArrayRange(name);
      *hint = texts::kArrayRangeHint;
      return;
    case kErrNoArray:
      *message = texts::NoArray(name);
      *hint = texts::NoArrayHint(name);
      return;
    default:
      return;
  }
}

}  // namespace

Problem ExplainRunError(const std::string& text, size_t start, size_t end, int code,
                        const std::string& name) {
  start = std::min(start, text.size());
  end = std::max(start, std::min(end, text.size()));
  size_t line_start = start == 0 ? std::string::npos : text.rfind('\n', start - 1);
  line_start = line_start == std::string::npos ? 0 : line_start + 1;
  Problem problem = {1 + static_cast<int>(std::count(text.begin(), text.begin() + start, '\n')),
                     1 + CharOffsetOf(text.substr(line_start), start - line_start),
                     std::max(1, CharOffsetOf(text.substr(start), end - start)),
                     Severity::kError, "", ""};
  SayRunError(text.substr(start, end - start), code, name, &problem.message, &problem.hint);
  return problem;
}

std::vector<Problem> CheckScript(const std::string& text) {
  std::string sjis;
  int line = 0;
  ScriptText read = DecodeScriptText(text.data(), text.size(), &sjis, &line);
  if (read != ScriptText::kRead) {
    return {{line > 0 ? line : 1, 1, 1, Severity::kError, ScriptTextMessage(read, line),
             texts::kEncodingHint}};
  }
  return CheckScriptText(sjis);
}

std::vector<Problem> CheckScriptText(const std::string& sjis) { return Checker(sjis).Run(); }

const char* SeverityName(Severity kind) { return kind == Severity::kError ? "エラー" : "注意"; }

}  // namespace zep
