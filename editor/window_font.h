#pragma once

#include <QFont>
#include <QStringList>

// The font of every control of the main window: "Small Fonts" where the
// system has it; elsewhere the application font made smaller (85 %, never
// below 7 points) so that the two seven-row grids stay compact.
QFont WindowFont(const QFont& applicationFont, const QStringList& families);
