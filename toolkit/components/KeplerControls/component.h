#pragma once
#include "KeplerControls/keplercontrols_export.h"

namespace Kepler {

// The loading protocol of controls created from a window description: the
// window puts the control into its loading state, applies the stored settings
// in the description's order (interdependent setters store raw values while
// loading) and then calls Loaded(), which clamps and loads what needs it.
class KEPLERCONTROLS_EXPORT TComponent {
public:
    virtual ~TComponent() = default;

    // Whether the component is loading its settings.
    bool Loading() const { return FLoading; }
    // Enters the loading state.
    void BeginLoading() { FLoading = true; }
    // Ends the loading state; overrides call the base first, then do their work.
    virtual void Loaded() { FLoading = false; }

private:
    bool FLoading = false;
};

} // namespace Kepler
