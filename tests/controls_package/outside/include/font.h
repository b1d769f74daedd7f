#pragma once
// The outside program's own font, with a name the controls' toolkit uses too.
struct TFont {
    int Size = 12;
};
