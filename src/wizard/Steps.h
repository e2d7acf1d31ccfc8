#pragma once

#include "wizard/Transitions.h"

#include <QString>

// The nine option steps: the trigger of each Next button and the title the step writes in its
// heading under Style 1. Step 2 writes no lines at all, so it has no title.
struct StepInfo
{
    int number;
    Trigger next;
    QString title;
    bool writesLines;
};

inline const StepInfo &stepInfo(int number)
{
    static const StepInfo steps[] = {
            {1, Trigger::Step1Next, QStringLiteral("//Controls ---"), true},
            {2, Trigger::Step2Next, QString(), false},
            {3, Trigger::Step3Next, QStringLiteral("//Scripts part 1 ---"), true},
            {4, Trigger::Step4Next, QStringLiteral("//Scripts part 2 ---"), true},
            {5, Trigger::Step5Next, QStringLiteral("//Game options ---"), true},
            {6, Trigger::Step6Next, QStringLiteral("//View Options ---"), true},
            {7, Trigger::Step7Next, QStringLiteral("//System Options ---"), true},
            {8, Trigger::Step8Next, QStringLiteral("//Server Options ---"), true},
            {9, Trigger::Step9Next, QStringLiteral("//Misc ---"), true},
    };
    return steps[number - 1];
}
