#pragma once

#include "TPictureLibrary.h"

#include <QString>

class TCanvasPainter;

// The editor's drawing, set up at start-up: the key, lamp and digit pictures
// from libFolder (ending in "/"), the object painter and the text measurer
// installed in the model. The result tells which picture packs are missing;
// the editor runs without them (keys, lamps and digits are then not drawn).
TPictureLibrary::LoadResult InstallRenderer(const QString& libFolder);

// Takes painter and measurer out of the model and unloads the pictures
// (shutdown); the model then draws nothing and measures with fixed cells.
void UninstallRenderer();

// The painter InstallRenderer installs; the simulator gives it live values.
TCanvasPainter& CanvasPainter();
