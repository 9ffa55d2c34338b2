// CSurveyApp: the program's one application object.
#pragma once

#include "framework/App.h"

class CSurveyApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // Its command table: ID_HELP to the help engine.
    bool OnAppCommand(UINT id) override;
};
