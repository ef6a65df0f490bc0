#include "assist/reference.h"

#include "assist/catalog.h"
#include "assist/reference_system.h"
#include "core/data_file.h"
#include "core/host.h"

namespace zep {

const char kHelpFileName[] = "ZEP2.HLP";
const char kReferenceFileName[] = "zep-reference.html";
const char kReferenceJumpName[] = "zep-reference-open.html";

namespace {

// The anchor of the reference's index of names.
const char kIndexAnchor[] = "index";

bool Exists(const std::string& path) { return file_system->FileLength(path.c_str()) >= 0; }

std::string HelpFilePath() { return reference_system->ProgramFolder() + kHelpFileName; }

void ShowHelp(WindowRef owner, const std::string& help, ReferencePlace place, const char* keyword) {
  switch (place) {
    case ReferencePlace::kContents:
      reference_system->ShowHelpFile(owner, help.c_str(), kHelpIndex, nullptr);
      break;
    case ReferencePlace::kSearch:
      reference_system->ShowHelpFile(owner, help.c_str(), kHelpPartialKey, nullptr);
      break;
    case ReferencePlace::kKeyword:
      reference_system->ShowHelpFile(owner, help.c_str(), kHelpKey, keyword);
      break;
  }
}

void Complain(WindowRef owner, const std::string& text) {
  host_system->ShowMessage(owner, text.c_str(), "ZEP Error", kBoxOk | kBoxIconExclamation);
}

// The page to open: the jump page to the anchor when it can be written,
// else the reference itself at its top.
std::string PageFor(const std::string& page, const std::string& anchor) {
  if (anchor.empty()) return page;
  std::string jump = JumpPage(FileUrl(reference_system->PathToUtf8(page.c_str()), anchor));
  std::string jump_path = reference_system->TempFolder() + kReferenceJumpName;
  if (!file_system->ReplaceWholeFile(jump_path.c_str(), jump.data(), jump.size())) return page;
  return jump_path;
}


bool IsUrlByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
}

}  // namespace

void OpenReference(WindowRef owner, ReferencePlace place, const char* keyword) {
  std::string help = HelpFilePath();
  if (Exists(help)) {
    ShowHelp(owner, help, place, keyword);
  } else {
    reference_system->ShowReferenceWindow(owner, ReferenceTarget(place, keyword));
  }
}

std::string ReferenceTarget(ReferencePlace place, const char* keyword) {
  std::string name = keyword != nullptr ? ReferenceAnchor(keyword) : "";
  switch (place) {
    case ReferencePlace::kSearch: return "search:" + name;
    case ReferencePlace::kKeyword: return name.empty() ? "contents" : "entry:" + name;
    default: return "contents";
  }
}

void OpenReferenceInBrowser(WindowRef owner, ReferencePlace place, const char* keyword) {
  std::string page = reference_system->ProgramFolder() + kReferenceFileName;
  if (!Exists(page)) {
    Complain(owner, "リファレンスが見つかりません\n" + page);
    return;
  }
  std::string anchor = place == ReferencePlace::kSearch    ? kIndexAnchor
                       : place == ReferencePlace::kKeyword ? ReferenceAnchor(keyword)
                                                           : "";
  if (!reference_system->OpenDocument(owner, PageFor(page, anchor).c_str())) {
    Complain(owner, "リファレンスを開けません\n" + page);
  }
}

void CloseReference(WindowRef owner) {
  std::string help = HelpFilePath();
  if (Exists(help)) reference_system->ShowHelpFile(owner, help.c_str(), kHelpQuit, nullptr);
}

std::string ReferenceAnchor(const char* keyword) { return EntryName(keyword); }

std::string FileUrl(const std::string& utf8_path, const std::string& anchor) {
  std::string path = utf8_path;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  bool network = path.compare(0, 2, "//") == 0;
  std::string url = network ? "file:" : "file:///";
  static const char kDigits[] = "0123456789ABCDEF";
  for (unsigned char c : path) {
    if (IsUrlByte(c)) {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kDigits[c >> 4];
      url += kDigits[c & 15];
    }
  }
  return anchor.empty() ? url : url + "#" + anchor;
}

std::string JumpPage(const std::string& url) {
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
         "<meta http-equiv=\"refresh\" content=\"0; url=" + url + "\">\n"
         "<title>ZEP</title></head>\n"
         "<body><p><a href=\"" + url + "\">" + url + "</a></p>\n"
         "<script>location.replace(\"" + url + "\");</script></body></html>\n";
}

}  // namespace zep
