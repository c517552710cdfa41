#pragma once

// The calculation unit: free routines that read the project container and write its result
// series. They keep no state of their own.

#include "calc/uCropET.h"
#include "calc/uReferenceET.h"
#include "calc/uReferenceETTable.h"
