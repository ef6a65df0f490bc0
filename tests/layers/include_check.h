// The layer check by includes: every source and header of a layer folder may
// include headers of its own folder and of the folders it stands on, never
// of one above. The link checks beside it see only calls between libraries
// that the host builds; this one also sees a type or an inline function
// taken from a header above, and the Windows-only folders platform/ and app/.
#pragma once

#include <string>
#include <vector>

namespace zep {

// The layer folders, each with the folders whose headers its files may
// include (its own among them). The chain, lowest first:
//   core <- graphics <- controls <- media <- runtime <- ide <- platform <- app
// and beside it, on core alone, assist (which ide and above use) and
// compiler (which platform, opening its dialog for the editor, and app use).
struct LayerFolder {
  std::string name;
  std::vector<std::string> may_include;
};
std::vector<LayerFolder> LayerFolders();

// One include of a folder the including file may not use.
struct IncludeFault {
  std::string file;    // from the root, with forward slashes
  int line = 0;        // from 1
  std::string header;  // as the include names it
};

// What CheckIncludes read: the files of each layer folder and their
// includes of layer folders.
struct IncludeScan {
  std::vector<IncludeFault> faults;
  std::vector<std::string> folders_read;  // the layer folders that held a file
  int files = 0;
  int includes = 0;
};

// Reads every .cpp and .h file under each layer folder of root (the
// folders outside the layers, tests/ and tools/ among them, are not read).
IncludeScan CheckIncludes(const std::string& root);

// "core/a.h:3: includes graphics/canvas.h, which core may not use".
std::string Describe(const IncludeFault& fault);

}  // namespace zep
