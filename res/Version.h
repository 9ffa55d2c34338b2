// Velmora's version, the one place it is written: the about box, the version
// resource of every program and scripts/package.sh (the archive names) read
// it here. Plain #defines only, so the resource compiler reads it too.
#pragma once

#define VELMORA_VERSION_MAJOR 1
#define VELMORA_VERSION_MINOR 8
#define VELMORA_VERSION_PATCH 0
#define VELMORA_VERSION_BUILD 0

#define VELMORA_VERSION_QUOTE(x) #x
#define VELMORA_VERSION_STRING(x) VELMORA_VERSION_QUOTE(x)

// "1.8": as the about box shows it and the archives are named.
#define VELMORA_VERSION_SHORT \
    VELMORA_VERSION_STRING(VELMORA_VERSION_MAJOR) "." VELMORA_VERSION_STRING(VELMORA_VERSION_MINOR)

// "1.8.0.0": the file and product version of the version resource.
#define VELMORA_VERSION_FULL                                                \
    VELMORA_VERSION_SHORT "." VELMORA_VERSION_STRING(VELMORA_VERSION_PATCH) \
                          "." VELMORA_VERSION_STRING(VELMORA_VERSION_BUILD)

// The credit line of the about box and the copyright of the version resource.
#define VELMORA_COPYRIGHT "(C) 2026 The Velmora developers"
