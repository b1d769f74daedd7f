#pragma once

namespace Kepler {

// The loading protocol of controls created from a window description: the
// window puts the control into its loading state, applies the stored settings
// in the description's order (interdependent setters store raw values while
// loading) and then calls Loaded(), which clamps and loads what needs it.
class TComponent {
public:
    virtual ~TComponent() = default;

    bool Loading() const { return FLoading; }
    void BeginLoading() { FLoading = true; }
    // Ends the loading state; overrides call the base first, then do their work.
    virtual void Loaded() { FLoading = false; }

private:
    bool FLoading = false;
};

} // namespace Kepler
