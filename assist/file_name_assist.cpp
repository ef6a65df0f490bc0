#include "assist/file_name_assist.h"

namespace zep {

const char kFileNameFilters[] =
    "全ファイル(*.*)\0*.*\0"
    "ビットマップ(*.bmp)\0*.bmp\0"
    "プログラム(*.zep)\0*.zep\0"
    "データ(*.dat)\0*.dat\0";
const char kFileNameTitle[] = "ファイル名の取得";
const char kFileNameFolder[] = "zep";

std::string QuotedPath(const char* path) { return "\"" + std::string(path) + "\""; }

}  // namespace zep
