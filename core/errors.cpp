#include "core/errors.h"

#include <cstring>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/text.h"

namespace zep {

uint8_t error_code = 0;
char error_name[64] = "";
int error_pos = -1;

namespace {

enum class Prefix { kCommand, kVariable, kArray, kNameOnly, kNone, kFixed };

struct ErrorRow {
  uint8_t code;
  Prefix prefix;
  const char* fixed;  // text shown instead of prefix and name (kFixed)
  const char* message;
};

const ErrorRow kErrors[] = {
    {1, Prefix::kCommand, nullptr, "色指定の値が無効です"},
    {2, Prefix::kCommand, nullptr, "カッコの対応エラー"},
    {3, Prefix::kCommand, nullptr, "文が長すぎます"},
    {4, Prefix::kVariable, nullptr, "変数の値が未定です"},
    {5, Prefix::kCommand, nullptr, "ファイルが開いていません"},
    {6, Prefix::kNameOnly, nullptr, "このコマンドは存在しません"},
    {7, Prefix::kCommand, nullptr, "配列変数のサイズを越えています"},
    {8, Prefix::kCommand, nullptr, "パラメータの数が違います"},
    {9, Prefix::kCommand, nullptr, "文字列パラメータが見つかりません"},
    {10, Prefix::kNameOnly, nullptr, "演算式に問題があります"},
    {11, Prefix::kVariable, nullptr, "変数の使用数が多すぎます"},
    {12, Prefix::kArray, nullptr, "配列変数が準備されていません"},
    {13, Prefix::kNameOnly, nullptr, "ｉｆ文に誤りがあります"},
    {14, Prefix::kCommand, nullptr, "裏画面が準備されていません"},
    {15, Prefix::kCommand, nullptr, "ファイルを開けません"},
    {16, Prefix::kCommand, nullptr, "パラメータの値が無効です"},
    {17, Prefix::kCommand, nullptr, "既にファイルが開いています"},
    {18, Prefix::kCommand, nullptr, "サブルーチンが見つかりません"},
    {19, Prefix::kNone, nullptr, "ネストが深すぎます"},
    {20, Prefix::kNone, nullptr, "メモリーの確保に失敗しました"},
    {21, Prefix::kFixed, "コマンド : SetTimer", "タイマーの設定ができません"},
    {22, Prefix::kCommand, nullptr, "ゼロでの除算はできません"},
    {23, Prefix::kCommand, nullptr, "パラメータの数が違います"},
    {24, Prefix::kCommand, nullptr, "コントロールが定義されていません"},
    {25, Prefix::kFixed, "コマンド : CreateControl", "コントロールの作成に失敗しました"},
    {26, Prefix::kCommand, nullptr, "コントロールの種類が不一致です"},
    {27, Prefix::kCommand, nullptr, "ファイルの拡張子が無効です"},
    {28, Prefix::kCommand, nullptr, "配列変数名が重複しています"},
    {30, Prefix::kCommand, nullptr, "このコマンドは値を返しません"},
    {40, Prefix::kCommand, nullptr, "３Ｄパックのパック番号が無効です"},
    {41, Prefix::kCommand, nullptr, "すでに３Ｄパックが設定されています"},
    {42, Prefix::kCommand, nullptr, "３Ｄパックへの登録データ数が多すぎます"},
    {43, Prefix::kCommand, nullptr, "３Ｄパック描画用の内部メモリー確保に失敗しました"},
    {44, Prefix::kCommand, nullptr, "メニューが無効です"},
    {50, Prefix::kCommand, nullptr, "このＩＤにはサウンドファイルが登録されています"},
    {51, Prefix::kCommand, nullptr, "サウンドファイルが登録されていません"},
    {52, Prefix::kCommand, nullptr, "ＷＡＶＥファイルの登録に失敗しました"},
    {53, Prefix::kCommand, nullptr, "ＭＩＤＩファイルの登録に失敗しました"},
    {54, Prefix::kCommand, nullptr, "ＷＡＶＥバッファの使用数が多すぎます"},
    {55, Prefix::kCommand, nullptr, "ＷＡＶＥバッファのサイズが大きすぎます"},
    {56, Prefix::kCommand, nullptr, "ＷＡＶＥバッファが準備されていません"},
    {57, Prefix::kCommand, nullptr, "ＷＡＶＥバッファのサイズを超えています"},
};

const ErrorRow* FindErrorRow(int code) {
  for (const ErrorRow& row : kErrors) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

const char* PrefixText(Prefix prefix) {
  switch (prefix) {
    case Prefix::kCommand: return "コマンド : ";
    case Prefix::kVariable: return "変数 : ";
    case Prefix::kArray: return "配列変数 : ";
    default: return "";
  }
}

// Appends src to out (length *len, capacity cap) without overrunning it.
void Append(char* out, size_t cap, size_t* len, const char* src) {
  *len += CopyText(out + *len, cap - *len, src);
}

}  // namespace

void SetErrorNameN(const char* name, size_t n) {
  CopyTextN(error_name, sizeof error_name, name, n);
}

void SetErrorName(const char* name) { CopyText(error_name, sizeof error_name, name); }

void SetError(uint8_t code, const char* name) {
  error_code = code;
  SetErrorName(name);
}

const char* ErrorMessage(int code) {
  const ErrorRow* row = FindErrorRow(code);
  return row ? row->message : nullptr;
}

size_t BuildErrorMessage(int code, const char* section, const char* name,
                         char* out, size_t cap) {
  if (cap == 0) return 0;
  if (cap > 512) cap = 512;  // the message holds at most 511 bytes
  const ErrorRow* row = FindErrorRow(code);
  // Keep room for the second part: a very long section name is cut, not the cause.
  char shortened[128];
  CopyText(shortened, sizeof shortened, section);
  size_t len = 0;
  out[0] = '\0';
  Append(out, cap, &len, "サブルーチン : ");
  Append(out, cap, &len, shortened);
  if (row == nullptr) return len;
  Append(out, cap, &len, "\r\n\r\n ");
  if (row->prefix == Prefix::kFixed) {
    Append(out, cap, &len, row->fixed);
  } else if (row->prefix != Prefix::kNone) {
    Append(out, cap, &len, PrefixText(row->prefix));
    Append(out, cap, &len, name);
  }
  if (row->prefix != Prefix::kNone) Append(out, cap, &len, "\r\n\r\n");
  Append(out, cap, &len, row->message);
  return len;
}

void SectionNameAt(const char* text, int pos, char* out, size_t cap) {
  if (pos < 0) {
    CopyText(out, cap, "CREATE");
    return;
  }
  if (text == nullptr) {
    CopyText(out, cap, "");
    return;
  }
  // The trail bytes of double-byte characters up to pos: a trail byte such
  // as the second byte of "マ" (0x7D) is never a brace. Only an error report
  // gets here, so the scan's cost doesn't matter.
  std::vector<bool> trail(static_cast<size_t>(pos) + 1, false);
  for (int k = 0; k < pos; k += static_cast<int>(CharLength(text + k))) {
    if (CharLength(text + k) == 2) trail[static_cast<size_t>(k) + 1] = true;
  }
  auto is = [&](int k, char c) { return text[k] == c && !trail[static_cast<size_t>(k)]; };
  // Walk back to the section's own brace: blocks of loop and if always
  // follow a `)`, a section's brace never does.
  int i = pos;
  for (;;) {
    if (i <= 0) {
      CopyText(out, cap, "");
      return;
    }
    if (is(i, '"')) {
      --i;
      while (i > 0 && text[i] != '"') --i;
    } else if (is(i, '{') && text[i - 1] != ')') {
      break;
    }
    --i;
  }
  int end = i;
  int start = end - 1;
  while (start >= 0 && !is(start, '}')) --start;
  ++start;
  CopyTextN(out, cap, text + start, static_cast<size_t>(end - start));
}

size_t BuildFaultMessage(const char* what, const char* section, const char* saved_to, char* out,
                         size_t cap) {
  std::string text = "内部エラーが起きました（";
  text += what;
  text += "）。";
  if (section[0] != '\0') text += std::string("\r\nサブルーチン : ") + section;
  if (saved_to[0] != '\0') {
    text += std::string("\r\n\r\n編集中のプログラムを次のファイルに保存しました。\r\n") + saved_to;
  }
  return CopyText(out, cap, text.c_str());
}

int32_t reported_errors = 0;

void ReportError(WindowRef owner, int code, const char* text, int pos) {
  ++reported_errors;
  char section[128];
  SectionNameAt(text, pos, section, sizeof section);
  char message[512];
  BuildErrorMessage(code, section, error_name, message, sizeof message);
  host_system->ShowMessage(owner, message, "ZEP Error", kBoxOk | kBoxIconExclamation);
}

}  // namespace zep
