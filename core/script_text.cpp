#include "core/script_text.h"

#include <cstdio>
#include <cstring>

#include "core/host.h"

namespace zep {

namespace {

using Byte = unsigned char;

bool HasBom(const char* data, size_t size) {
  return size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0;
}

// Code page 932: single bytes 0x00-0x7F and 0xA1-0xDF (half-width kana);
// lead bytes 0x81-0x9F and 0xE0-0xFC with a trail 0x40-0x7E or 0x80-0xFC.
bool IsValidShiftJis(const Byte* p, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    Byte c = p[i];
    if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) continue;
    bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    if (!lead || i + 1 >= size) return false;
    Byte t = p[++i];
    if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
  }
  return true;
}

// Decodes one UTF-8 character at p (size bytes left): its code point and
// length, or length 0 when the bytes are not a valid, shortest form.
size_t DecodeUtf8(const Byte* p, size_t size, char32_t* code) {
  Byte c = p[0];
  size_t n = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3
             : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
  if (n == 0 || n > size) return 0;
  char32_t v = n == 1 ? c : c & (0xFF >> (n + 1));
  for (size_t k = 1; k < n; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
    v = v << 6 | (p[k] & 0x3F);
  }
  bool shortest = n < 3 || (n == 3 ? v >= 0x800 : v >= 0x10000);
  if (!shortest || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  *code = v;
  return n;
}

bool IsJapanese(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xFF00 && c <= 0xFFEF);
}

// Valid UTF-8 throughout; also says whether it holds a Japanese character.
bool IsValidUtf8(const Byte* p, size_t size, bool* japanese) {
  *japanese = false;
  for (size_t i = 0; i < size;) {
    char32_t c;
    size_t n = DecodeUtf8(p + i, size - i, &c);
    if (n == 0) return false;
    if (IsJapanese(c)) *japanese = true;
    i += n;
  }
  return true;
}

// The characters that Unicode and code page 932 disagree on: the forms
// that editors on other systems write, mapped to those 932 holds.
char16_t ForShiftJis(char32_t c) {
  switch (c) {
    case 0x301C: return 0xFF5E;  // WAVE DASH
    case 0x2016: return 0x2225;  // DOUBLE VERTICAL LINE
    case 0x2212: return 0xFF0D;  // MINUS SIGN
    case 0x00A2: return 0xFFE0;  // CENT SIGN
    case 0x00A3: return 0xFFE1;  // POUND SIGN
    case 0x00AC: return 0xFFE2;  // NOT SIGN
    case 0x2014: return 0x2015;  // EM DASH
    default: return c > 0xFFFF ? 0xFFFF : static_cast<char16_t>(c);  // outside: never in 932
  }
}

}  // namespace

ScriptEncoding DetectScriptEncoding(const char* data, size_t size) {
  const Byte* p = reinterpret_cast<const Byte*>(data);
  if (std::memchr(data, '\0', size) != nullptr) {
    bool bom = size >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF));
    bool every_other = size >= 2 && (p[0] == 0 || p[1] == 0);
    return bom || every_other ? ScriptEncoding::kUtf16 : ScriptEncoding::kUnknown;
  }
  bool japanese = false;
  if (HasBom(data, size)) {
    return IsValidUtf8(p + 3, size - 3, &japanese) ? ScriptEncoding::kUtf8 : ScriptEncoding::kUnknown;
  }
  bool utf8 = IsValidUtf8(p, size, &japanese);
  if (utf8 && japanese) return ScriptEncoding::kUtf8;
  if (IsValidShiftJis(p, size)) return ScriptEncoding::kShiftJis;
  return utf8 ? ScriptEncoding::kUtf8 : ScriptEncoding::kUnknown;
}

ScriptText DecodeScriptText(const char* data, size_t size, std::string* out, int* line) {
  switch (DetectScriptEncoding(data, size)) {
    case ScriptEncoding::kShiftJis: out->assign(data, size); return ScriptText::kRead;
    case ScriptEncoding::kUtf16: return ScriptText::kUtf16;
    case ScriptEncoding::kUnknown: return ScriptText::kUnknown;
    case ScriptEncoding::kUtf8: break;
  }
  size_t start = HasBom(data, size) ? 3 : 0;
  const Byte* p = reinterpret_cast<const Byte*>(data);
  out->clear();
  *line = 1;
  // Line by line, so that the first line that cannot be converted is named.
  std::u16string text;
  for (size_t i = start; i <= size; ++i) {
    if (i < size && p[i] != '\n') continue;
    text.clear();
    for (size_t k = start; k < i;) {
      char32_t c = 0;
      k += DecodeUtf8(p + k, i - k, &c);
      text += ForShiftJis(c);
    }
    if (i < size) text += u'\n';
    std::string converted;
    if (!host_system->ToShiftJis(text, &converted)) return ScriptText::kNoShiftJis;
    *out += converted;
    ++*line;
    start = i + 1;
  }
  return ScriptText::kRead;
}

std::string ShiftJisToUtf8(const std::string& text) {
  std::u16string wide;
  if (!host_system->FromShiftJis(text, &wide)) return text;
  std::string out;
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t c = wide[i];
    bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                wide[i + 1] <= 0xDFFF;
    if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18);
      out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string ScriptTextMessage(ScriptText result, int line) {
  switch (result) {
    case ScriptText::kUtf16:
      return "このファイルは UTF-16 で保存されています。\r\n"
             "スクリプトは Shift-JIS か UTF-8 で保存してください。";
    case ScriptText::kUnknown:
      return "このファイルの文字コードを読めません。\r\n"
             "スクリプトは Shift-JIS か UTF-8 で保存してください。";
    case ScriptText::kNoShiftJis: {
      char text[96];
      std::snprintf(text, sizeof text, "%d 行目に Shift-JIS で表せない文字があります。", line);
      return text;
    }
    default:
      return "";
  }
}

}  // namespace zep
