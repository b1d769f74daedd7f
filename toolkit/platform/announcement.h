#pragma once
#include <string>
#include <variant>

namespace Kepler {

// What changed about an object that assistive technology follows.
enum TAccessChange : int {
    acValueChange,     // Value holds the new value
    acNameChange,      // the object's name
    acFocus,           // the object took the keyboard focus
    acTextUpdate,      // at Position, OldText became Text
    acSelectionChange, // the selected text now runs from Position to End
};

// The face's own handle of an object that assistive technology follows.
// Only the face makes one (the Qt face from a QObject) and looks inside;
// the core passes it on.
struct TAccessObject {
    void* Handle = nullptr;
    bool operator==(const TAccessObject&) const = default;
};

// A value as assistive technology is told it.
using TAccessValue = std::variant<std::monostate, int, double, std::string>;

// An announcement to assistive technology, in plain types.
struct TAnnouncement {
    TAccessObject Object;
    TAccessChange Change = acValueChange;
    int Child = -1; // a child of the object, or -1 for the object itself
    TAccessValue Value;
    int Position = 0;
    int End = 0;
    std::string OldText; // UTF-8
    std::string Text;    // UTF-8
};

} // namespace Kepler
