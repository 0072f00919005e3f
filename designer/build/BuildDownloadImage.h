#pragma once

#include "ProjectProgress.h"
#include "TDownloadImage.h"
#include "TImageOptions.h"

class TProgramObj;

// Compiles the project into the panel's download image: head, parameter
// block, one section per screen in project order, then the alarm list and,
// with the jump-support marker, the screen jump table and the alarm page
// table. Addresses count from the panel's load address 0x0800.
//
// The project is only read. Progress: Start with the object count when there
// is more than one object, a Step per object encoded, End however the build
// leaves. An object or setting the panel cannot take raises EEncodeError and
// no image is made.
//
// The caller still checks fitsPanel() before downloading.
TDownloadImage BuildDownloadImage(const TProgramObj& project, const TImageOptions& options,
                                  const ProjectProgress& progress = {});
