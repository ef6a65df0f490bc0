#include "tests/run/random_scripts.h"

#include <iterator>

namespace zep {

namespace {

const char* const kPieces[] = {
    "x", "y", "a", "=", "+", "-", "*", "/", "%", "(", ")", ",", ";", "{", "}", "\"",
    "1", "0", "2.5", "1e3", "-", "loop(", "if(", "==", "<", ">=", "call(\"S\")", "return",
    "end", "sin(", "rand(", "abs(", "a(1,1)", "Data(\"a\",2,2)", "DataInit(\"a\",", "Box(",
    "Print(", "PrintData(", "SetPal(", "SelectScreen(", "CopyBMP(", "\"txt\"", "日本", "\x81",
    "MOUSE_X", "PI", "WinHelp(\"h\")", "SetCaption(\"c\")", "//", "\r\n", " ",
    "CreateControl(101,\"\",\"ID_e\",0,0,9,9)", "SetEditText(\"ID_e\",", "GetEditCode(\"ID_e\",",
    "SearchEditText(\"ID_e\",", "GetEditText(\"ID_e\",", "OpenFileWrite(\"f\")", "WriteFile(",
    "ReadFile(", "CloseFile", "DlgBox(\"D\")", "MessBox(\"m\",\"t\",", "GetFileName(\"ID_e\",",
    "Create3DPack(0,", "Add3DPack(0,0,0,0,9,0,0,0,9,0,", "Draw3DPack(0)", "Set3DCenter(",
    "Set3DLocalRotateX(0,", "Set3DLocalPosZ(0,", "Save3DPack(0)", "Load3DPack(0)",
};

// The grammar's generator: each choice a weighted pick from the rng.
class ScriptMaker {
 public:
  explicit ScriptMaker(std::mt19937* rng) : rng_(rng) {}

  std::string Script() {
    clean_ = Chance(50);
    std::string create = "Data(\"m\",3,4);Data(\"w\",2,2);";
    if (Fault(30)) create += "Data(\"m\",2,2);";  // a second declaration fails
    if (Fault(100)) create += Assignment() + ";";
    std::string start = !Fault(50) ? "x=1;y=2;n=0;i=3;abc=0.5;K2=7;" : "x=1;";
    return "CREATE{" + create + "}\r\nMAIN{" + start + Body(8, 2, true) + "}\r\nS{" +
           Body(5, 1, true) +
           "}\r\nT{" + Body(4, 1, false) + "}\r\n";
  }

 private:
  int Pick(int n) { return static_cast<int>((*rng_)() % static_cast<unsigned>(n)); }
  bool Chance(int percent) { return Pick(100) < percent; }
  // A fault a beginner makes, per thousand; never in a clean script.
  bool Fault(int permille) { return !clean_ && Pick(1000) < permille; }
  template <int N>
  const char* From(const char* const (&list)[N]) { return list[Pick(N)]; }

  // Mostly the variables MAIN sets first; now and then a name that shadows
  // a function, an array, a reserved name or one never set.
  std::string Variable() {
    static const char* const kSet[] = {"x", "y", "n", "i", "abc", "K2"};
    static const char* const kOdd[] = {"sin", "m", "PI", "ANSWER", "undefinedvar", "w"};
    return Fault(50) ? From(kOdd) : From(kSet);
  }

  std::string Number() {
    static const char* const kNumbers[] = {"0", "1", "2", "3", "7", "10", "255", "0.5",
                                           "2.25", "1e3", "12abc", "0.0", "65535", "3.14159",
                                           "100000", "0.1"};
    return From(kNumbers);
  }

  std::string Operand(int depth) {
    switch (Pick(depth > 0 ? 12 : 7)) {
      case 0: case 1: case 2: return Number();
      case 3: case 4: case 5: return Variable();
      case 6: {
        static const char* const kReserved[] = {"MOUSE_X", "KEY", "ANSWER", "PI", "SCR_X", "SEC"};
        return From(kReserved);
      }
      case 7: case 8: {
        std::string index = Index(depth - 1) + "," + Index(depth - 1);
        if (Fault(50)) index = Expression(depth - 1);  // one index only
        return std::string(Chance(80) ? "m" : "w") + "(" + index + ")";
      }
      case 9:
        if (Chance(20)) return "GetPixelR(" + Index(depth - 1) + ",1)";  // a command's value
        [[fallthrough]];
      case 10: {
        static const char* const kSafe[] = {"sin", "cos", "abs", "fix", "rand", "atan",
                                            "AscType"};
        static const char* const kFunctions[] = {"sin", "cos", "tan", "sqrt", "abs", "fix",
                                                 "rand", "asin", "acos", "atan", "AscType",
                                                 "nofunc", "m", "GetEditCode"};
        std::string args = Expression(depth - 1);
        if (Fault(40)) args += ",1";
        if (clean_) return std::string(From(kSafe)) + "(" + args + ")";
        return std::string(From(kFunctions)) + "(" + args + ")";
      }
      default: return "(" + Expression(depth - 1) + ")";
    }
  }

  std::string Expression(int depth) {
    std::string e = Chance(8) ? "-" : "";
    e += Operand(depth);
    int more = Pick(4);
    for (int k = 0; k < more; ++k) {
      static const char* const kOps[] = {"+", "-", "*", "/", "%"};
      e += kOps[Pick(clean_ ? 3 : 5)];
      e += Operand(depth);
    }
    if (Fault(3)) e += From({"(", ")", "+", "**", "\""});  // a beginner's slip
    return e;
  }

  std::string Assignment() {
    std::string target = Variable();
    if (Chance(20)) target = std::string(Chance(80) ? "m" : "w") + "(" + Index(1) + "," + Index(1) + ")";
    if (Fault(5)) target = "3x";
    return target + "=" + Expression(2);
  }

  std::string Condition() {
    static const char* const kComparisons[] = {"==", "!=", ">=", "<=", ">", "<"};
    if (Fault(5)) return Expression(1);  // no comparison
    return Expression(1) + From(kComparisons) + Expression(1);
  }

  std::string Statement(int depth, bool calls) {
    switch (Pick(depth > 0 ? 16 : 12)) {
      case 0: case 1: case 2: case 3: case 4: return Assignment();
      case 5: return "Box(" + Expression(1) + "," + Expression(1) + ",40,30,1,2)";
      case 6: return "Point(" + Expression(1) + "," + Expression(1) + ",1)";
      case 7: return "DataInit(\"w\"," + Expression(1) + ")";
      case 8: return Fault(500) ? "nocommand(1)" : "return";
      case 9: return calls ? (Chance(85) ? "call(\"S\")" : "call(\"T\")") : "x=x+1";
      case 10: return Fault(100) ? RandomBody(rng_, 3) : "y=" + Expression(1);
      case 11: return Fault(50) ? "end" : "n=n+1";
      case 12: case 13:
        return "if(" + Condition() + "){" + Body(3, depth - 1, calls) + "}";
      default:
        return "loop(" + std::string(Chance(90) ? From({"0", "1", "2", "3", "5"}) : "n%4") + "){" +
               Body(3, depth - 1, calls) + "}";
    }
  }

  std::string Body(int max, int depth, bool calls) {
    std::string body;
    int count = 1 + Pick(max);
    for (int k = 0; k < count; ++k) body += Statement(depth, calls) + (Fault(30) ? "" : ";");
    return body;
  }

  // An array index: in range in a clean script (but for the odd NaN).
  std::string Index(int depth) {
    std::string e = Expression(depth);
    return clean_ ? "abs(fix(" + e + "))%2" : e;
  }

  std::mt19937* rng_;
  bool clean_ = false;
};

}  // namespace

std::string RandomBody(std::mt19937* rng, int length) {
  std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
  std::string body;
  for (int i = 0; i < length; ++i) body += kPieces[pick(*rng)];
  return body;
}

std::string RandomScript(std::mt19937* rng) {
  ScriptMaker maker(rng);
  return maker.Script();
}

}  // namespace zep
