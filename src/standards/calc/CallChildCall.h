// CallChildCall.h - the one native function of the standards calculation, "CallChild": how it
// is recognised in a Calc cell and how its arguments are read. The form is
// CallChild("child file", Variable, Variable, ...); nested parentheses are not supported.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

inline const wchar_t* const kCallChildName = L"CallChild";

// Nesting bound of child calculations: a chain of more calls fails at the call that would go
// deeper, so that sheets calling each other in a circle still end.
constexpr int kMaxCallChildDepth = 32;

// True when the text names the native function anywhere.
bool hasNativeFunction(const Tvx_String& expression);

struct CallChildArgs {
    Tvx_String childName;           // without its enclosing double quotes
    Tvx_StringArray variableNames;  // this sheet's variables handed to the child, in order
};

// Reads the arguments; false with a reason when the parentheses are missing or there are fewer
// than two arguments.
bool parseCallChild(const Tvx_String& expression, CallChildArgs& args, Tvx_String& reason);

// Counts the child calculations running on this thread, for the nesting bound.
class CallChildDepth {
  public:
    CallChildDepth();
    ~CallChildDepth();
    CallChildDepth(const CallChildDepth&) = delete;
    CallChildDepth& operator=(const CallChildDepth&) = delete;

    // False when this call is one level too deep.
    bool allowed() const { return depth_ <= kMaxCallChildDepth; }
    static int current();

  private:
    int depth_;
};
