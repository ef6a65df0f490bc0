// The colours the editor's text control shows, kept line by line. The
// control keeps the colours of text that does not change, so after an edit
// only the lines that changed (and the line before them, whose meaning may
// depend on the next one: a section's name before a `{`) are coloured again,
// and only when they are about to be seen. Positions in the runs are the
// rich text control's: characters, a line end counting one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ide/colouring.h"

namespace zep {

// A colour as 0xRRGGBB.
uint32_t ColourValue(Colour colour);

struct ColourRun {
  int32_t start, end;  // the control's characters
  Colour colour;
  // A problem's mark: underlined on a background of its own, the colours
  // of the characters left as they are.
  bool problem = false;
};

class ColourView {
 public:
  // A new text: every line still to be coloured.
  void Reset(const std::string& text);
  // The text after an edit: the lines it left alone keep their colours.
  void Update(const std::string& text);
  // The runs that colour the lines of [first, last) not coloured yet, which
  // then count as coloured: for each stretch of such lines, one plain run
  // over all of it (text typed or pasted takes the colour beside it), then
  // the coloured runs in order.
  std::vector<ColourRun> Take(int32_t first, int32_t last);

  // Where a character at old (the control's characters before the last
  // Update) stands now; -1 when its line changed or old is -1.
  int32_t MapPosition(int32_t old) const;
  // Where line old (before the last Update) stands now: a line the edit
  // left alone moves with its text; a changed line keeps its number among
  // the lines the edit made (the last of them when it made fewer); -1 when
  // the edit made none, or old is -1.
  int32_t MapLine(int32_t old) const;

  int32_t LineCount() const { return static_cast<int32_t>(lines_.size()); }
  // The line that holds the control's character at position.
  int32_t LineAt(int32_t position) const;
  // The line is to be coloured again, when it is next about to be seen.
  void Forget(int32_t line);
  // The first line from `from` on that is not coloured yet; LineCount() if none.
  int32_t NextUncoloured(int32_t from) const;

 private:
  void Measure();
  void AddRuns(int32_t first, int32_t last, std::vector<ColourRun>* runs) const;

  std::vector<std::string> lines_;   // without their line ends
  std::vector<uint8_t> coloured_;
  std::vector<int32_t> starts_;      // where each line starts in the control
  // The last Update: the old lines' starts, and how many lines it left
  // alone at the top and at the bottom.
  std::vector<int32_t> old_starts_;
  size_t top_ = 0, bottom_ = 0;
};

// The text's lines, split at "\r\n" (a lone "\r" or "\n" stays in its line).
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace zep
