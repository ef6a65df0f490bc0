#include "ide/help_window.h"

#include <cstdlib>

#include "assist/catalog.h"
#include "assist/example_uses.h"
#include "assist/guide_pages.h"
#include "assist/reference.h"
#include "assist/reference_entries.h"
#include "ide/editing_rules.h"
#include "ide/editor_system.h"
#include "ide/samples.h"

namespace zep {

const char kHelpWindowTitle[] = "ZEP リファレンス";
const char kHelpSearchLabel[] = "検索：";

namespace {

void AddEntries(std::vector<HelpNode>* tree, int parent, int category) {
  for (const ReferenceEntry& entry : ReferenceEntries()) {
    bool listed = category < 0 ? entry.categories.empty()
                               : !entry.categories.empty() && entry.categories.front() == category;
    if (listed) tree->push_back({entry.name, parent, "entry:" + entry.name});
  }
}

// The guide built into the program, read once.
const std::string& Guide() {
  static std::string guide;
  static bool read = false;
  if (!read && editor_system != nullptr) read = editor_system->LoadGuide(&guide);
  return guide;
}

}  // namespace

std::vector<HelpNode> HelpTree() {
  std::vector<HelpNode> tree;
  std::vector<std::string> chapters = GuideChapters(Guide());
  for (size_t i = 0; i < chapters.size(); ++i) {
    tree.push_back({chapters[i], i == 0 ? -1 : 0, "guide:" + std::to_string(i)});
  }
  tree.push_back({"リファレンスの目次", -1, "contents"});
  for (int c = 0; c < kCategoryCount; ++c) {
    int parent = static_cast<int>(tree.size());
    tree.push_back({CategoryAt(c).name, -1, "category:" + std::to_string(c)});
    AddEntries(&tree, parent, c);
  }
  int others = static_cast<int>(tree.size());
  tree.push_back({"その他のコマンド", -1, "others"});
  AddEntries(&tree, others, -1);
  return tree;
}

int HelpNodeOf(const std::vector<HelpNode>& tree, const std::string& target) {
  for (size_t i = 0; i < tree.size(); ++i) {
    if (tree[i].target == target) return static_cast<int>(i);
  }
  return -1;
}

Page HelpPage(const std::string& target) {
  std::string rest;
  if (TargetOfKind(target, "guide:", &rest)) {
    Page page = GuidePage(Guide(), std::atoi(rest.c_str()));
    if (!page.runs.empty()) return page;
  }
  return ReferencePage(target, ShippedExamplesUsing);
}

std::string HelpPictureRtf(const std::string& name) {
  return editor_system != nullptr ? DibPictureRtf(editor_system->GuidePicture(name)) : "";
}

bool ActOnHelpLink(WindowRef owner, const std::string& target) {
  std::string rest;
  if (TargetOfKind(target, "sample:", &rest)) {
    OpenSampleNamed(rest);
    return true;
  }
  if (TargetOfKind(target, "example:", &rest)) {
    const ReferenceEntry* entry = FindReferenceEntry(rest);
    if (entry != nullptr && entry->example[0] != '\0') {
      std::string text = entry->example;
      NormaliseLineEnds(&text);
      OpenCopy(text);
    }
    return true;
  }
  if (target == "browser") {
    OpenReferenceInBrowser(owner, ReferencePlace::kContents, nullptr);
    return true;
  }
  if (TargetOfKind(target, "browser:", &rest)) {
    OpenReferenceInBrowser(owner, ReferencePlace::kKeyword, rest.c_str());
    return true;
  }
  return false;
}

std::vector<ExampleRef> ShippedExamplesUsing(const std::string& name) {
  std::vector<ExampleRef> found;
  if (editor_system == nullptr) return found;  // no editor, no examples
  for (const Sample& sample : ListSamples()) {
    std::string file, bytes;
    if (!editor_system->LoadSample(sample.index, &file, &bytes)) continue;
    if (NamesInScript(bytes).count(name) != 0) found.push_back({sample.file_name, sample.title});
  }
  return found;
}

}  // namespace zep
