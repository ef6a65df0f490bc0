#include "ide/editor_texts.h"

namespace zep {

const char kStandardProgram[] =
    "// 一定時間ごとの処理\r\n"
    "TIMER\r\n{\r\n\r\n}\r\n\r\n"
    "// 左ボタンが押された時の処理\r\n"
    "LBUTTONDOWN\r\n{\r\n\r\n}\r\n\r\n"
    "// 標準のウィンドウ内の描画\r\n"
    "PAINT\r\n{\r\n\r\n}\r\n\r\n"
    "// プログラムの初期設定\r\n"
    "CREATE\r\n{\r\n"
    "\tSetWinStyle(2) ; // ウインドウスタイル\r\n"
    "\tSetWinSize(400,300) ; // ウインドウサイズ\r\n"
    "\tSetCaption(\"ＺＥＰプログラム\") ; // キャプションタイトル\r\n"
    "\r\n"
    "\t// メニューの設定\r\n"
    "\tMenu(\"ﾌｧｲﾙ(&F)\") ;\r\n"
    "\tPopupMenuEX(\"閉じる\",\"ID_end\") ;\r\n"
    "\r\n"
    "\tSetTimer(1000) ; // タイマー時間の設定\r\n"
    "}\r\n\r\n"
    "// メニューの処理\r\n"
    "ID_end\r\n{\r\n\tend ; // プログラム終了\r\n}\r\n";

const char kFileError[] = "ファイルを開けません";

const char* EditorMessageText(EditorMessage message) {
  switch (message) {
    case EditorMessage::kEmpty: return "内容がありません";
    case EditorMessage::kRunning: return "既にアプリケーションが実行中です";
    case EditorMessage::kNoRunWindow: return "実行ウィンドウが開けません！";
    case EditorMessage::kNoMemory: return "メモリーの確保に失敗しました";
    case EditorMessage::kNotFound: return "検索文字列が見つかりません";
    case EditorMessage::kSaveFirst: return "ソースコードにファイル名を付けて保存してください";
  }
  return "";
}

DropQuestion DropQuestionOf(DropAction action) {
  switch (action) {
    case DropAction::kNew:
      return {"新規作成", "編集中のデータは変更されています\n消去する前に保存しますか？"};
    case DropAction::kOpen:
      return {"ファイルを開く",
              "編集中のデータは変更されています\n他のファイルを開く前に保存しますか？"};
    case DropAction::kClose:
      return {"終  了", "ＺＥＰ を終了します\n終了する前に保存しますか？"};
  }
  return {"", ""};
}

const char kFindWrapped[] = "先頭に戻って見つけました";
const char kFindNone[] = "見つかりません";
const char kSavedResult[] = "保存しました";
const char kRunResult[] = "実行中";
const char kRunEndedResult[] = "実行を終えました";
const char kRunErrorResult[] = "エラーで止まりました";
const char kWatchTitle[] = "変数とイベント";
const char* const kEventColumns[4] = {"区画", "回数", "最後", "状態"};
const char* const kVariableColumns[2] = {"名前", "値"};
const char kWatchFilterLabel[] = "名前で絞り込み:";
const char kWatchSetButton[] = "値を変える";
const char kWatchRunning[] = "実行中";
const char kDebugPausedResult[] = "一時停止中 (%d 行)";
const char kDebugPauseAsked[] = "次の文の前で止まります";
const char kDebugErrorPausedResult[] = "エラーで一時停止中 (%d 行)";

}  // namespace zep
