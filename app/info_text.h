#pragma once
#include <QString>

// Caption and text of the box that the "Infos" menu shows; every line ends
// with CR LF, the last one too.
QString InfoBoxCaption();
QString InfoBoxText();
