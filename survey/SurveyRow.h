// One listed shortcut as the survey hands it to a sink.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/AfxString.h"
#include "shellicon/IconRequest.h"
#include "rules/SurveyPlace.h"

struct SurveyRow {
    CString path;                      // the shortcut file's full path
    std::wstring longPath;             // the same with every name in its long form
    WORD hotKey = 0;                   // the stored value, 0 for none
    SurveyPlace place;                 // where the shortcut lies
    std::optional<CIconRequest> icon;  // what its icon is found from; none when not read
    CString target;                    // the target's file-system path or an internet shortcut's URL;
                                       // empty for none and when not read
    CString arguments;                 // the arguments a link gives its target; empty for none and when
                                       // targets are not read
    bool targetGone = false;           // a link's file-system target names nothing; read with targets
};

// What a survey reads for its rows besides path, hotkey and place.
struct SurveyRowReading {
    bool icons = true;     // what each row's icon is found from
    bool targets = false;  // each row's target
};
