#include "rules/SurveyPlace.h"

bool WindowsActsOn(const SurveyPlace& place)
{
    switch (place.root) {
    case SurveyRoot::kStartMenu:
    case SurveyRoot::kCommonStartMenu:
        return true;
    default:
        return place.topLevel;
    }
}
