#pragma once
// A plain platform for one test, free of Qt: installed while it lives, it
// gives the raster layer the test's text engine and system colours (none
// and the classic ones until the test sets them) and is plain in all else.
#include "platform.h"

class TPlainTestPlatform : public Kepler::TPlatform {
public:
    TPlainTestPlatform() : FPrevious(Kepler::InstallPlatform(this)) {}
    ~TPlainTestPlatform() override { Kepler::InstallPlatform(FPrevious); }
    TPlainTestPlatform(const TPlainTestPlatform&) = delete;
    TPlainTestPlatform& operator=(const TPlainTestPlatform&) = delete;

    const Kepler::TTextEngine* Text = nullptr;
    const Kepler::TSystemColors* Colors = nullptr;

    const Kepler::TTextEngine* TextEngine() override { return Text; }
    const Kepler::TSystemColors* SystemColors() override { return Colors; }

private:
    Kepler::TPlatform* FPrevious;
};
